<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LaunchAtLoginAction</name>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Allow in System Settings…</source>
        <translation>In den Systemeinstellungen erlauben …</translation>
    </message>
</context>
<context>
    <name>LookLibrary</name>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Green phosphor</source>
        <translation>Grüner Phosphor</translation>
    </message>
    <message>
        <source>Amber terminal</source>
        <translation>Bernstein-Terminal</translation>
    </message>
    <message>
        <source>Arcade</source>
        <translation>Arcade-Automat</translation>
    </message>
    <message>
        <source>Worn tape</source>
        <translation>Abgenutztes Band</translation>
    </message>
    <message>
        <source>Scanlines only</source>
        <translation>Nur Bildzeilen</translation>
    </message>
</context>
<context>
    <name>LookPicker</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>“%1” is a built-in look. Choose another name.</source>
        <translation>„%1“ ist ein mitgelieferter Stil. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>There is already a look named “%1”.</source>
        <translation>Es gibt bereits einen Stil namens „%1“.</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen …</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene Einstellungen</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Stil speichern</translation>
    </message>
    <message>
        <source>Replace the look “%1” with the current settings?</source>
        <translation>Den Stil „%1“ durch die aktuellen Einstellungen ersetzen?</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Stil umbenennen</translation>
    </message>
    <message>
        <source>Delete Look</source>
        <translation>Stil löschen</translation>
    </message>
    <message>
        <source>Delete the look “%1”? The settings stay as they are.</source>
        <translation>Den Stil „%1“ löschen? Die Einstellungen bleiben, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>LooksMenu</name>
    <message>
        <source>Look</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Save current look as…</source>
        <translation>Aktuellen Stil speichern unter …</translation>
    </message>
</context>
<context>
    <name>ScreensMenu</name>
    <message>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>No screen</source>
        <translation>Kein Bildschirm</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Soft</source>
        <translation>Sanft</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulsierend</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Zitternd</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Pixelgröße</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Scanlines</source>
        <translation>Bildzeilen</translation>
    </message>
    <message>
        <source>Tint color</source>
        <translation>Tönungsfarbe</translation>
    </message>
    <message>
        <source>Tint strength</source>
        <translation>Tönungsstärke</translation>
    </message>
    <message>
        <source>Pixel flicker</source>
        <translation>Pixelflimmern</translation>
    </message>
    <message>
        <source>Phosphor glow</source>
        <translation>Phosphorleuchten</translation>
    </message>
    <message>
        <source>Horizontal drift</source>
        <translation>Horizontale Drift</translation>
    </message>
    <message>
        <source>Drift speed</source>
        <translation>Drifttempo</translation>
    </message>
    <message>
        <source>Rolling band</source>
        <translation>Wandernder Balken</translation>
    </message>
    <message>
        <source>Band speed</source>
        <translation>Balkentempo</translation>
    </message>
    <message>
        <source>Signal dust</source>
        <translation>Signalstaub</translation>
    </message>
    <message>
        <source>Needs a compositor; appears when one runs.</source>
        <translation>Benötigt einen Compositor; erscheint, sobald einer läuft.</translation>
    </message>
    <message>
        <source>Retro Glimmer</source>
        <translation>Retro Glimmer</translation>
    </message>
    <message>
        <source>CRT overlay for videos, browsers, and local players.</source>
        <translation>Röhrenbild-Overlay für Videos, Browser und lokale Player.</translation>
    </message>
    <message>
        <source>Flicker type</source>
        <translation>Flimmerart</translation>
    </message>
    <message>
        <source>Overlay enabled</source>
        <translation>Overlay eingeschaltet</translation>
    </message>
    <message>
        <source>Overlay disabled</source>
        <translation>Overlay ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>ShortcutField</name>
    <message>
        <source>Overlay shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Retro Glimmer</source>
        <translation>Retro Glimmer</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TrayPanel</name>
    <message>
        <source>Retro Glimmer</source>
        <translation>Retro Glimmer</translation>
    </message>
</context>
<context>
    <name>TrayPanelContent</name>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ValueText</name>
    <message>
        <source>%1 px</source>
        <translation>%1&#xa0;px</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
</context>
</TS>
