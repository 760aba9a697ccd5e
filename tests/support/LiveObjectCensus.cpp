#include "support/LiveObjectCensus.h"

#include <QObject>
#include <QStringList>
#include <map>
#include <mutex>
#include <unordered_set>

// Qt's hook table (qhooks_p.h): a version, the table's size, then the
// callbacks run by every QObject constructor and destructor.
extern Q_CORE_EXPORT quintptr qtHookData[];

namespace {
enum HookIndex { HookDataVersion = 0, HookDataSize = 1, AddQObject = 3, RemoveQObject = 4 };
using ObjectCallback = void (*)(QObject*);

std::mutex gMutex;
std::unordered_set<QObject*> gLive;
quintptr gPreviousAdd = 0;
quintptr gPreviousRemove = 0;

void added(QObject* object) {
    {
        const std::lock_guard<std::mutex> lock(gMutex);
        gLive.insert(object);
    }
    if (gPreviousAdd)
        reinterpret_cast<ObjectCallback>(gPreviousAdd)(object);
}

void removed(QObject* object) {
    {
        const std::lock_guard<std::mutex> lock(gMutex);
        gLive.erase(object);
    }
    if (gPreviousRemove)
        reinterpret_cast<ObjectCallback>(gPreviousRemove)(object);
}
} // namespace

bool LiveObjectCensus::available() {
    return qtHookData[HookDataVersion] >= 1 && qtHookData[HookDataSize] > RemoveQObject;
}

LiveObjectCensus::LiveObjectCensus() {
    if (!available())
        return;
    const std::lock_guard<std::mutex> lock(gMutex);
    gLive.clear();
    m_previousAdd = gPreviousAdd = qtHookData[AddQObject];
    m_previousRemove = gPreviousRemove = qtHookData[RemoveQObject];
    qtHookData[AddQObject] = reinterpret_cast<quintptr>(&added);
    qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(&removed);
}

LiveObjectCensus::~LiveObjectCensus() {
    if (!available())
        return;
    const std::lock_guard<std::mutex> lock(gMutex);
    qtHookData[AddQObject] = m_previousAdd;
    qtHookData[RemoveQObject] = m_previousRemove;
    gLive.clear();
}

int LiveObjectCensus::survivors() const {
    const std::lock_guard<std::mutex> lock(gMutex);
    return int(gLive.size());
}

QString LiveObjectCensus::summary() const {
    const std::lock_guard<std::mutex> lock(gMutex);
    std::map<QString, int> byClass;
    for (QObject* object : gLive)
        ++byClass[QString::fromLatin1(object->metaObject()->className())];
    QStringList parts;
    for (const auto& [name, count] : byClass)
        parts.append(QStringLiteral("%1 %2").arg(count).arg(name));
    return parts.join(QStringLiteral(", "));
}
