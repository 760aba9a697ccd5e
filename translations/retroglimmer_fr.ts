<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LaunchAtLoginAction</name>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Allow in System Settings…</source>
        <translation>Autoriser dans Réglages Système…</translation>
    </message>
</context>
<context>
    <name>LookLibrary</name>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Green phosphor</source>
        <translation>Phosphore vert</translation>
    </message>
    <message>
        <source>Amber terminal</source>
        <translation>Terminal ambre</translation>
    </message>
    <message>
        <source>Arcade</source>
        <translation>Borne d’arcade</translation>
    </message>
    <message>
        <source>Worn tape</source>
        <translation>Cassette usée</translation>
    </message>
    <message>
        <source>Scanlines only</source>
        <translation>Lignes de balayage seules</translation>
    </message>
</context>
<context>
    <name>LookPicker</name>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>“%1” is a built-in look. Choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» est un style fourni avec le programme. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>There is already a look named “%1”.</source>
        <translation>Un style nommé «&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Enregistrer le style</translation>
    </message>
    <message>
        <source>Replace the look “%1” with the current settings?</source>
        <translation>Remplacer le style «&#xa0;%1&#xa0;» par les réglages actuels&#x202f;?</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Renommer le style</translation>
    </message>
    <message>
        <source>Delete Look</source>
        <translation>Supprimer le style</translation>
    </message>
    <message>
        <source>Delete the look “%1”? The settings stay as they are.</source>
        <translation>Supprimer le style «&#xa0;%1&#xa0;»&#x202f;? Les réglages restent tels quels.</translation>
    </message>
</context>
<context>
    <name>LooksMenu</name>
    <message>
        <source>Look</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Save current look as…</source>
        <translation>Enregistrer le style actuel sous…</translation>
    </message>
</context>
<context>
    <name>ScreensMenu</name>
    <message>
        <source>Screens</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>No screen</source>
        <translation>Aucun écran</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Soft</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulsé</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Saccadé</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Taille des pixels</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Scanlines</source>
        <translation>Lignes de balayage</translation>
    </message>
    <message>
        <source>Tint color</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Tint strength</source>
        <translation>Intensité de la teinte</translation>
    </message>
    <message>
        <source>Pixel flicker</source>
        <translation>Scintillement des pixels</translation>
    </message>
    <message>
        <source>Phosphor glow</source>
        <translation>Lueur du phosphore</translation>
    </message>
    <message>
        <source>Horizontal drift</source>
        <translation>Dérive horizontale</translation>
    </message>
    <message>
        <source>Drift speed</source>
        <translation>Vitesse de dérive</translation>
    </message>
    <message>
        <source>Rolling band</source>
        <translation>Bande défilante</translation>
    </message>
    <message>
        <source>Band speed</source>
        <translation>Vitesse de la bande</translation>
    </message>
    <message>
        <source>Signal dust</source>
        <translation>Poussière de signal</translation>
    </message>
    <message>
        <source>Needs a compositor; appears when one runs.</source>
        <translation>Nécessite un compositeur&#x202f;; apparaît dès qu’un compositeur est actif.</translation>
    </message>
    <message>
        <source>Retro Glimmer</source>
        <translation>Retro Glimmer</translation>
    </message>
    <message>
        <source>CRT overlay for videos, browsers, and local players.</source>
        <translation>Effet d’écran cathodique pour vidéos, navigateurs et lecteurs locaux.</translation>
    </message>
    <message>
        <source>Flicker type</source>
        <translation>Type de scintillement</translation>
    </message>
    <message>
        <source>Overlay enabled</source>
        <translation>Effet activé</translation>
    </message>
    <message>
        <source>Overlay disabled</source>
        <translation>Effet désactivé</translation>
    </message>
</context>
<context>
    <name>ShortcutField</name>
    <message>
        <source>Overlay shortcut</source>
        <translation>Raccourci de l’effet</translation>
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
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
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
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
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
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
</context>
</TS>
