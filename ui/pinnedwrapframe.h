#pragma once

#include <QFrame>
#include <QString>

namespace Ui {
class PinnedWrapFrame;
}

// One pinned view in the pinned row: caption, miniature, expand and close buttons. The
// border it draws depends on its neighbours (stickDirection), chosen by the pinned row.
class PinnedWrapFrame : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int stickDirection READ stickDirection WRITE setSticky
                       DESIGNABLE true SCRIPTABLE true STORED true)
public:
    PinnedWrapFrame(QWidget *content, const QString &description, QWidget *parent = nullptr);
    ~PinnedWrapFrame() override;

    int stickDirection() const;
    // Only stores the value: the caller re-polishes once all neighbours are set.
    void setSticky(int direction);

    // Red and disabled for good: the view cannot be used again after an error.
    void setErrorState();

    QString elidedDescription(int width) const;
    void setButtonsIcons();

signals:
    void hideClicked();
    void maximizeClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createLinks();

    QString m_description;
    Ui::PinnedWrapFrame *m_ui;
    int m_stickDirection = 0;
};
