#pragma once

#include "app/ScreenName.h"
#include "settings/ScreenSelection.h"

#include <QList>
#include <QSize>
#include <QString>
#include <memory>

class FrameClock;
class OverlaySettings;

// An overlay drawn through the display server's own protocol rather than one Qt
// window per screen, where the session offers a way to keep a click-through
// surface above everything (a Wayland compositor with layer shell). It follows
// the session's outputs by itself.
class NativeOverlay {
public:
    struct Surface {
        QString output;
        QSize size; // logical
        double scale = 1;
    };

    virtual ~NativeOverlay() = default;

    // Once the application object exists and this is the only running copy:
    // the overlay this session offers, or null when Qt windows must serve.
    static std::unique_ptr<NativeOverlay> open();

    // Once the event loop exists; the overlay draws from these.
    virtual void start(OverlaySettings& settings, FrameClock& clock) = 0;
    // Showing always drops every surface and makes one per output of the moment.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual QList<Surface> surfaces() const = 0;
    // The outputs of the moment, as the session names them.
    virtual QList<ScreenName> outputs() const = 0;

    // Outputs the user turned off get no surface from the next show on.
    void useScreenSelection(const ScreenSelection* selection) { m_selection = selection; }

protected:
    bool wanted(const ScreenName& output) const {
        return !m_selection || m_selection->isShown(output.identity());
    }

private:
    const ScreenSelection* m_selection = nullptr;
};
