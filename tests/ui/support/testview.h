#pragma once

#include "ui/viewbase/viewinterface.h"

#include <QLabel>
#include <QWidget>

#include <memory>

// A view without a resource behind it, for exercising the workspace containers.
class TestView : public ViewInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TestView(QObject *parent = nullptr)
        : ViewInterface(parent)
        , m_full(new QWidget)
        , m_pinned(new QLabel(QStringLiteral("pin")))
    {
        m_pinned->setMinimumSize(120, 60);
    }

    QString type() const override { return QStringLiteral("Test View"); }
    QString displayType() const override { return QStringLiteral("Test View"); }
    QWidget *fullScreenUserInterface() const override { return m_full.get(); }
    QWidget *pinnedUserInterface() const override { return m_pinned.get(); }
    QWidget *settingsUserInterface() const override { return nullptr; }

private:
    std::unique_ptr<QWidget> m_full;
    std::unique_ptr<QWidget> m_pinned;
};
