#pragma once

#include <QString>
#include <QTranslator>

// Marks every text it translates, so a test sees which texts were translated again.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }
};
