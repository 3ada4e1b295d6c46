#pragma once

#include <QFrame>
#include <QStringList>
#include <QVector>

class QLabel;

// The compact readings panel of the active cursor: a colour square per cursor source, then the
// reading texts in two rows, pair by pair, with a thin line between pairs. The labels are made
// again only when the number of texts changes, so updates at the plot's rate create nothing.
class CursorEvaluationWidget : public QFrame
{
    Q_OBJECT
public:
    explicit CursorEvaluationWidget(QWidget *parent = nullptr);
    ~CursorEvaluationWidget() override;

public slots:
    void setEvaluationList(QStringList texts);
    void setSource(QVector<int> sources);
    void setColorsDark(QStringList colors);
    void setColorsLight(QStringList colors);

protected:
    void changeEvent(QEvent *event) override;

private:
    void recreatePanel();
    void recolour();
    // The square of a source in the current theme; transparent for a source with no colour.
    QPixmap squareOf(int source) const;

    QStringList m_texts;
    QVector<QLabel *> m_valueLabels;
    QVector<QLabel *> m_colorLabels;
    QVector<int> m_sources {0, 0};
    QStringList m_colorsDark {"#FFFF00", "#FF00FF", "#00FF00"};
    QStringList m_colorsLight {"#F44336", "#2196f3", "#4DBD33"};
};
