#include "onemembersentences.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"
#include "predicatekinds.h"

namespace parta {

std::unique_ptr<QWidget> createOneMemberSentencesWindow(Shell &shell)
{
    return createPredicateKindsWindow(shell);
}

} // namespace parta
