#pragma once

#include "core/model/CJudgement.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>

struct CNodeResult;

// What the report says of one judgement matrix of n elements, a layered element's or a
// node's of any hierarchy alike, from its judgements and the local result the synthesis
// computed for it: "judgements" (n x n codes), "priorities", "lambda_max", "ci", "cr",
// "gci", "cr_limit", "gci_limit", "acceptable", "suggestions", "judged_pairs", "missing",
// "connected", "components", "completed", "intransitive_triads". Judgements that yield
// no priorities give null priorities, figures and completed matrix; a single child (not
// compared) has the priority 1 and null figures.
nlohmann::json MatrixJson(const CJudgementMatrix& judgements, std::uint32_t n, const CNodeResult& result);
