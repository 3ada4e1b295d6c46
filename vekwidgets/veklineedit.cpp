#include "vekwidgets/veklineedit.h"

class VekLineEditPrivate
{
};

VekLineEdit::VekLineEdit(QWidget *parent)
    : QLineEdit(parent)
    , d(std::make_unique<VekLineEditPrivate>())
{
    connect(this, QOverload<>::of(&QLineEdit::editingFinished), this, &VekLineEdit::sendFinished);
}

VekLineEdit::~VekLineEdit() = default;

void VekLineEdit::sendFinished()
{
    emit editingFinished(text());
}
