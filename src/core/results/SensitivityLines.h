#pragma once

#include <cstdint>
#include <optional>

// The one engine of the sensitivity analysis, for complete layers and for trees alike.
// A weight w belongs to a group of weights summing to 1 (a level of the layers, or the
// children of one criterion). Moving w to x and rescaling the rest of the group by
// (1 - x) / (1 - w) turns every alternative's result into a line in x:
// P_i(x) = x * AtOne[i] + (1 - x) * AtZero[i]. The callers compute C, the result with w's
// element alone weighing 1 in its group, and the group's own result; the engine does the
// rest: the lines, their crossings and the critical choice.

// Two alternatives (by position, First < Second) change places at Weight; LeaderAfter
// is the one of them ahead for weights just above it.
struct CCrossing {
    double Weight = 0.0;
    std::uint32_t First = 0;
    std::uint32_t Second = 0;
    std::uint32_t LeaderAfter = 0;
};

// Whether w can move, the others of its group (rest = the sum of their weights) taking up
// the difference: not when it carries the whole group. That comes from a damaged file
// (every other weight 0), or from a dragged slider that left the others at 0 and this one
// at 1 less a rounding step; dividing by 1 - w there would turn rounding noise into weights.
bool CanMoveWeight(double w, double rest);

// The lines of the group's own result Q = sum over the group of w_k C_k (m alternatives):
// AtOne = C, AtZero = (Q - w C) / (1 - w). Only for a weight that can move.
void FillGroupLines(
    const double* groupResult, const double* unit, double w, std::uint32_t m, double* atZero, double* atOne);

// A group that reaches the whole result P with weight G (its parent's global weight): the
// rest of the hierarchy stays, so the whole result's lines are P - G Q + G * (group's line).
void LiftGroupLines(const double* present, const double* groupResult, double groupWeight, std::uint32_t m,
    double* atZero, double* atOne);

// Every pair of lines crossing at a weight in (0, 1), into crossings (room for
// m (m - 1) / 2 of them) in ascending weight, equal weights in (First, Second) order.
// Returns how many. Allocates nothing.
std::uint32_t FindCrossings(const double* atZero, const double* atOne, std::uint32_t m, CCrossing* crossings);
// Only the pairs with the leader, into room for m - 1 crossings, in the same order: what
// a thousand alternatives need (all their pairs would be half a million).
std::uint32_t FindLeaderCrossings(
    const double* atZero, const double* atOne, std::uint32_t m, std::uint32_t leader, CCrossing* crossings);

// The lines' values at x; normalised: divided by their sum (the ideal synthesis's
// priorities from its raw scores; all 0 when the sum is not positive).
void EvaluateLines(
    const double* atZero, const double* atOne, std::uint32_t m, double x, bool normalised, double* values);

// The critical change: the crossing involving the present leader nearest to its weight's
// present value, nearness being the absolute distance |x* - w| (the same move counts the
// same on a heavy and on a light weight). Owner names the weight for the caller.
struct CLeaderCrossing {
    std::uint32_t Owner = 0;
    double From = 0.0;
    double To = 0.0;
    std::uint32_t First = 0;
    std::uint32_t Second = 0;
    std::uint32_t NewLeader = 0;
};
// Offer one weight's crossings (ascending); an equally near one found earlier stays, so
// weights offered in order keep ties in that order, then in weight order.
void ConsiderLeaderCrossings(std::optional<CLeaderCrossing>& nearest, std::uint32_t owner, double weight,
    const CCrossing* crossings, std::uint32_t count, std::uint32_t leader);
