#pragma once

#include "app/ScreenName.h"

#include <QObject>
#include <QString>
#include <cstdint>

struct wl_output;
struct wl_registry;

// One output (monitor) of the compositor: its names and integer scale, told
// again whenever the compositor finishes a round of changes.
class WaylandOutput : public QObject {
    Q_OBJECT

public:
    WaylandOutput(wl_registry* registry, uint32_t globalName, uint32_t version);
    ~WaylandOutput() override;

    wl_output* output() const { return m_output; }
    uint32_t globalName() const { return m_globalName; }
    QString name() const { return m_name.connector; }
    const ScreenName& screenName() const { return m_name; }
    int scale() const { return m_scale; }

signals:
    // After the first description and after every later change.
    void changed();

private:
    static void onGeometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t,
                           const char* make, const char* model, int32_t);
    static void onMode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t);
    static void onDone(void* data, wl_output*);
    static void onScale(void* data, wl_output*, int32_t factor);
    static void onName(void* data, wl_output*, const char* name);
    static void onDescription(void*, wl_output*, const char*);

    wl_output* m_output;
    uint32_t m_globalName;
    ScreenName m_name;
    int m_scale = 1;
    int m_pendingScale = 1;
};
