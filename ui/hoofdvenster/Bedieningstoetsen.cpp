#include "ui/hoofdvenster/Bedieningstoetsen.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ui {

Bedieningstoetsen::Bedieningstoetsen(QWidget &venster, Acties acties)
    : QObject(&venster)
    , m_venster(venster)
    , m_acties(std::move(acties))
{
    qApp->installEventFilter(this);
}

bool Bedieningstoetsen::isVanVenster(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return false;
    if (widget == &m_venster || m_venster.isAncestorOf(widget))
        return true;
    return m_podium && (widget == m_podium || m_podium->isAncestorOf(widget));
}

bool Bedieningstoetsen::isTekstInvoer(QObject *object)
{
    return qobject_cast<QLineEdit *>(object) || qobject_cast<QTextEdit *>(object)
        || qobject_cast<QPlainTextEdit *>(object) || qobject_cast<QAbstractSpinBox *>(object)
        || qobject_cast<QComboBox *>(object);
}

bool Bedieningstoetsen::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    if (!isVanVenster(object) || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    auto *toets = static_cast<QKeyEvent *>(event);
    const bool ingedrukt = event->type() == QEvent::KeyPress;
    if (toets->key() == Qt::Key_F11 && toets->modifiers() == Qt::NoModifier) {
        if (ingedrukt && !toets->isAutoRepeat())
            m_acties.wisselVolledigScherm();
        return true;
    }
    if (toets->key() == Qt::Key_F10 && toets->modifiers() == Qt::NoModifier && m_acties.wisselZaalscherm) {
        if (ingedrukt && !toets->isAutoRepeat())
            m_acties.wisselZaalscherm();
        return true;
    }
    if (toets->key() == Qt::Key_K && toets->modifiers() == Qt::NoModifier && !isTekstInvoer(object)
        && m_acties.trekkenKan() && m_acties.kaartControleren) {
        if (ingedrukt && !toets->isAutoRepeat())
            m_acties.kaartControleren();
        return true;
    }
    const bool trekToets =
        toets->key() == Qt::Key_Space || toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter;
    if (!trekToets || (toets->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || isTekstInvoer(object)
        || !m_acties.trekkenKan())
        return false;
    // The release is taken too, so no button clicks itself on it.
    if (ingedrukt && !toets->isAutoRepeat())
        m_acties.trekLetter();
    return true;
}

} // namespace ui
