#pragma once

#include "vekwidgets_export.h"

#include <QLineEdit>

#include <memory>

class VekLineEditPrivate;

// A line edit that reports the finished text along with the end of editing.
class VEKWIDGETS_EXPORT VekLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit VekLineEdit(QWidget *parent = nullptr);
    ~VekLineEdit() override;

signals:
    void editingFinished(QString text);

private slots:
    void sendFinished();

private:
    const std::unique_ptr<VekLineEditPrivate> d;
};
