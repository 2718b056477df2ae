#include "windowfactory.h"

#include "exercises/linguisticsbranches.h"
#include "exercises/negation.h"
#include "exercises/onemembersentences.h"
#include "exercises/participialcommas.h"
#include "exercises/passivevowels.h"
#include "exercises/predicatedash.h"
#include "exercises/predicatekinds.h"
#include "exercises/vocabulary.h"
#include "exercises/wordconnection.h"
#include "grademenu.h"
#include "information/informationwindow.h"
#include "mainwindow.h"
#include "shell.h"

#include <QWidget>

namespace parta {

std::unique_ptr<QWidget> createWindow(int number, Shell &shell)
{
    switch (number) {
    case 1:
        return createMainWindow(shell);
    case 3:
    case 4:
        return createGradeMenu(number, shell);
    case 5:
        return createWordConnectionChooser(shell);
    case 7:
    case 8:
        return createLinguisticsBranchesWindow(number, shell);
    case 9:
    case 10:
    case 11:
        return createWordConnectionWindow(number, shell);
    case 13:
        return createParticipialCommasWindow(shell);
    case 14:
        return createPredicateKindsWindow(shell);
    case 16:
        return createNegationWindow(shell);
    case 18:
        return createOneMemberSentencesWindow(shell);
    case 21:
        return createPassiveVowelsWindow(shell);
    case 23:
        return createPredicateDashWindow(shell);
    case 25:
    case 26:
        return createVocabularyWindow(number, shell);
    default:
        Q_ASSERT(Shell::isPopUpWindow(number));
        return createInformationWindow(number, shell);
    }
}

} // namespace parta
