#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// Keeps the interface language: one translator per translation base name, all switched
// together. Installing and removing translators is what makes every widget receive the
// language-change event, so pages need nothing else to re-translate themselves.
class TranslationLoader : public QObject
{
public:
    static std::shared_ptr<TranslationLoader> instance();

    static QStringList supportedLanguages();
    static QString defaultLanguage();

    QString currentLanguage() const;

    // An unsupported code changes nothing. A base name whose file is missing for the
    // language is left untranslated rather than keeping the previous language's texts.
    void load(const QString &language);

private:
    TranslationLoader();

    QString m_currentLanguage;
    QMap<QString, QTranslator *> m_translators;
};
