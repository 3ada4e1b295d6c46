#pragma once

#include "resources/digitalmultimeterparameters.h"

#include <QObject>
#include <QString>

#include <memory>

// The translated name, reading unit and range unit of each measurement function, in the
// context "QObject". Frequency and period are measured on voltage ranges, so their range unit
// is the volt. A function outside the table gives empty texts.
class TranslateOptions : public QObject
{
public:
    // The one object of the program, made on first use; never null.
    static TranslateOptions *instance();

    QString displayType(const FunctionsMode &mode) const;
    QString units(const FunctionsMode &mode) const;
    QString rangeUnits(const FunctionsMode &mode) const;

private:
    explicit TranslateOptions(QObject *parent = nullptr);
};
