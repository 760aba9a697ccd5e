#include "app/ScreenName.h"

#include <QScreen>

ScreenName ScreenName::of(const QScreen& screen) {
    return {screen.name(), screen.manufacturer(), screen.model(), screen.serialNumber()};
}

QString ScreenName::identity() const {
    QString id = connector + u'|' + model + u'|' + serial;
    while (id.endsWith(u'|'))
        id.chop(1);
    return id;
}

QString ScreenName::label() const {
    // The model name usually carries the maker already ("DELL U2720Q").
    const QString product = (model.isEmpty() ? maker : model).trimmed();
    if (product.isEmpty())
        return connector;
    if (connector.isEmpty())
        return product;
    return QStringLiteral("%1 (%2)").arg(product, connector);
}
