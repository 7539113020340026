#include "core/Algemeen.h"

namespace core {

void Algemeen::zetStartwaarden()
{
    RondeNummer = 1;
    ReclameTekst = WebAdres;
    LetterTeller = 0;
    LetterKleur = {150, 150, 150};
    SpelSoort = core::SpelSoort::Bingo;
    QuizSeconden = 150;
    BordX = 125;
    BordY = -5;
    Getrokken.fill(0);
}

void Algemeen::vulLetterWaarde()
{
    //                                A  B  C  D  E  F  G  H  I  J  K  L  M
    static constexpr int waarden[] = {1, 3, 4, 3, 1, 4, 4, 4, 2, 5, 3, 3, 5,
                                      // N  O  P  Q  R  S  T  U  V  W  X  Y  Z
                                      2, 2, 5, 9, 4, 4, 3, 6, 5, 5, 9, 8, 5};
    LetterWaarde.fill(0);
    for (int i = 0; i < 26; ++i)
        LetterWaarde['A' + i] = waarden[i];
}

} // namespace core
