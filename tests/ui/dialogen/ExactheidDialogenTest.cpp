// What holds for all six dialogs as the operator sees them: every control inside its dialog
// with its whole caption, and no control over another's text. The colours the dialogs really
// paint are checked with each dialog.

#include "DialoogTest.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QStyle>

using DialoogExactheid = DialoogTest;

namespace {

// Room the caption of a label, option or check box needs: indicator, spacing and text.
QSize tekstRuimte(QWidget *widget)
{
    const auto *label = qobject_cast<QLabel *>(widget);
    if (label)
        return label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
    const auto *knop = qobject_cast<QAbstractButton *>(widget);
    const int indicator = widget->style()->pixelMetric(QStyle::PM_IndicatorWidth)
        + widget->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return knop ? QSize(indicator + knop->fontMetrics().horizontalAdvance(knop->text()), knop->fontMetrics().height())
                : QSize();
}

// Whether a control shows nothing but its background, if any, in `deel` (pixels of its dialog).
bool zonderInkt(QWidget *widget, QRect deel)
{
    const QImage beeld = widget->grab().toImage();
    deel.translate(-widget->mapTo(widget->window(), QPoint(0, 0)));
    for (int y = deel.top(); y <= deel.bottom(); ++y)
        for (int x = deel.left(); x <= deel.right(); ++x)
            if (beeld.pixelColor(x, y).alpha() != 0
                && beeld.pixelColor(x, y) != widget->palette().color(QPalette::Window))
                return false;
    return true;
}

} // namespace

// A control may stand wholly on another (a button on its coloured square), or over a text where it has no ink.
TEST_F(DialoogExactheid, EveryControlLiesInsideItsDialogShowsItsWholeCaptionAndCoversNoText)
{
    // The six dialogs, owned by the main window; the editor finds no list.
    for (QDialog *form :
         QList<QDialog *>{new SoortForm(*main), new ScoreForm(*main), new EditForm(*main),
                          new AfdrukForm(*main, middelen), new ConfigForm(*main), new AboutForm(*main)}) {
        const auto controls = form->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(?!qt_).")));
        const auto plek = [form](QWidget *w) { return QRect(w->mapTo(form, QPoint(0, 0)), w->size()); };
        for (QWidget *widget : controls) {
            SCOPED_TRACE((form->objectName() + QLatin1Char(' ') + widget->objectName()).toStdString());
            const QSize nodig = tekstRuimte(widget);
            EXPECT_TRUE(form->rect().contains(plek(widget)));
            EXPECT_TRUE(widget->width() >= nodig.width() && widget->height() >= nodig.height());
            for (QWidget *ander : controls) {
                const QRect samen = plek(widget) & plek(ander);
                if (ander->parentWidget() == widget->parentWidget() && !samen.isEmpty() && samen != plek(widget)
                    && samen != plek(ander)) {
                    EXPECT_TRUE(qobject_cast<QLabel *>(ander) ? zonderInkt(ander, samen)
                                                              : qobject_cast<QLabel *>(widget) != nullptr)
                        << ander->objectName().toStdString();
                }
            }
        }
    }
}
