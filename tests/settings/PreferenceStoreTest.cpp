#include "InMemoryPreferenceStore.h"

#include <gtest/gtest.h>

// What a hand-edited or foreign file may hold: text, an INI list ("1, 2"), bytes.
TEST(PreferenceStore, ValuesWithoutANumericReadingReadAsZero) {
    InMemoryPreferenceStore store;
    store.registerDefaults({{"n", 4.0}});
    for (const QVariant& value : {QVariant(QStringLiteral("abc")), QVariant(QString()),
                                  QVariant(QStringList{"1", "2"}), QVariant(QByteArray("\xff"))}) {
        store.setStoredValue("n", value);
        EXPECT_EQ(store.doubleForKey("n"), 0.0) << value.toString().toStdString();
    }
    store.setStoredValue("n", QStringLiteral(" 2.5 "));
    EXPECT_EQ(store.doubleForKey("n"), 2.5);
}
