#pragma once

// How the alternatives' final priorities are made: distributively (every level's global
// priorities carried down as they are) or ideally (under every parent of the last middle
// level the best alternative scores 1, then the scores are normalised). Every level above
// the alternatives is the same in both.
enum class ESynthesisMode { Distributive, Ideal };
