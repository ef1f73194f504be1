// SPDX-License-Identifier: GPL-3.0-or-later
// A row of range buttons (the K-50's current and voltage rows, the range
// buttons under a bench's own meters). A press on any of them sets the
// row's help key, a right press asking for the help pop-up; only the left
// button presses a button. A click chooses the range: the chosen button is
// marked in the row's selected colour, the others in its other colour, the
// choice is announced and the focus goes where the bench keeps it.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRectF>
#include <QString>
#include <vector>

class QWidget;

namespace ohmaris {

class RangeRow : public QObject {
    Q_OBJECT
public:
    struct Button {
        QRectF twips;    // design place inside the row's parent
        QString caption; // design caption (the language file may replace it)
    };

    // Range buttons carry the help key "oSSS" on every bench.
    explicit RangeRow(QString helpKey = QStringLiteral("oSSS"), QObject *parent = nullptr);

    // Colours of the chosen button and of the others; SelectedRangeColour
    // and OtherRangeColour unless a bench says otherwise.
    void setColours(const QColor &selected, const QColor &other);
    // Where the focus goes after a click (nothing moves it when unset).
    void setFocusTarget(QWidget *target) { m_focus = target; }

    // Makes the buttons `name`(0..n-1) in `parent`, in the bench font.
    void Build(QWidget *parent, const QString &name, const std::vector<Button> &buttons, double points,
               bool bold);
    int count() const { return int(m_buttons.size()); }
    QPushButton *button(int index) const;

    // Marks `index` chosen and the others not, without announcing it.
    void Highlight(int index);
    // What a click on button `index` does.
    void Click(int index);

Q_SIGNALS:
    void chosen(int index);
    void helpRequested(const QString &key, Qt::MouseButton button);

private:
    QString m_key;
    QColor m_selected;
    QColor m_other;
    QPointer<QWidget> m_focus;
    std::vector<QPointer<QPushButton>> m_buttons;
};

} // namespace ohmaris
