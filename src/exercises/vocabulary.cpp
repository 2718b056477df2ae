#include "vocabulary.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"
#include "predicatekinds.h"

namespace parta {

std::unique_ptr<QWidget> createVocabularyWindow(int, Shell &shell)
{
    return createPredicateKindsWindow(shell);
}

} // namespace parta
