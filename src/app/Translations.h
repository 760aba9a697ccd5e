#pragma once

#include <QTranslator>

class QLocale;

// The program's texts, and Qt's own (dialog buttons, key names), in the first
// of the user's languages that has a catalogue, for as long as the object
// lives. English is the source language: listed before any other, it is kept.
class Translations {
public:
    explicit Translations(const QLocale& locale);

private:
    QTranslator m_own;
    QTranslator m_qt;
};
