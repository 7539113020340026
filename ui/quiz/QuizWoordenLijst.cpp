#include "ui/quiz/QuizWoordenLijst.h"

#include "core/quiz/WoordScore.h"
#include "widgets/Fonts.h"

#include <QHeaderView>

namespace ui {

QuizWoordenLijst::QuizWoordenLijst(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setColumnCount(3);
    setHeaderLabels({QString(), QStringLiteral("Woorden"), QStringLiteral("Score")});
    header()->hide();
    header()->setStretchLastSection(false);
    setColumnWidth(MarkeringKolom, 30);
    setColumnWidth(WoordKolom, 160);
    setColumnWidth(PuntenKolom, 70);
    setRootIsDecorated(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(widgets::designFont(QStringLiteral("Arial"), 9.75, true));

    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(215, 215, 135));
    palette.setColor(QPalette::Text, QColor(0, 40, 80));
    setPalette(palette);
}

void QuizWoordenLijst::voegWoordToe(const QString &woord)
{
    auto *rij = new QTreeWidgetItem(this);
    rij->setText(WoordKolom, woord);
    rij->setTextAlignment(MarkeringKolom, Qt::AlignCenter);
    scrollToItem(rij);
}

std::vector<std::string> QuizWoordenLijst::woorden() const
{
    std::vector<std::string> lijst;
    lijst.reserve(std::size_t(aantal()));
    for (int i = 0; i < aantal(); ++i)
        lijst.push_back(topLevelItem(i)->text(WoordKolom).toStdString());
    return lijst;
}

void QuizWoordenLijst::zetControle(int rij, const core::WoordControle &controle)
{
    QTreeWidgetItem *item = topLevelItem(rij);
    if (!item)
        return;
    const core::Kleur kleur = controle.markeringKleur();
    item->setText(MarkeringKolom, QString::fromLatin1(controle.markering()));
    item->setForeground(MarkeringKolom, QColor(kleur.rood, kleur.groen, kleur.blauw));
    item->setText(PuntenKolom, QString::fromStdString(controle.puntenTekst()));
}

QString QuizWoordenLijst::tekst(int rij, int kolom) const
{
    const QTreeWidgetItem *item = topLevelItem(rij);
    return item ? item->text(kolom) : QString();
}

QColor QuizWoordenLijst::markeringKleur(int rij) const
{
    const QTreeWidgetItem *item = topLevelItem(rij);
    return item ? item->foreground(MarkeringKolom).color() : QColor();
}

} // namespace ui
