// A player who answers every dialog at once: notices are closed, offers, questions and choices
// take their first button. The play-after-load targets and the seed maker talk through it.
#pragma once

#include "rules/fixed_answer_dialogs.h"

namespace fuzzing {

inline constexpr logic::FixedAnswerDialogs::Answers kAnswerAll{logic::kOfferAction,
                                                               logic::kAnswerYes, 1};

}  // namespace fuzzing
