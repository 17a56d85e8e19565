#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "core/storage/CMemorySink.h"
#include "core/storage/Codec1251.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {
const std::vector<std::string> Letters{"А", "б", "Ж", "ё", "Ё", "я", "Щ", "ъ", "a", "Z", "q", "7", " ", "-", "№", "«"};

std::string RandomText(std::mt19937& random, std::uint32_t maxChars)
{
    const std::uint32_t length = std::uniform_int_distribution<std::uint32_t>(0, maxChars)(random);
    std::string text;
    for (std::uint32_t i = 0; i < length; ++i) {
        text += Letters[std::uniform_int_distribution<std::size_t>(0, Letters.size() - 1)(random)];
    }
    return text;
}

int RandomJudgement(std::mt19937& random)
{
    static const std::vector<int> Scale{1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    return Scale[std::uniform_int_distribution<std::size_t>(0, Scale.size() - 1)(random)];
}

void Randomise(CUserProjectModel& project, std::mt19937& random)
{
    // From the two levels the structure editor can leave to the ten the grid holds.
    const std::uint32_t levels = std::uniform_int_distribution<std::uint32_t>(2, 10)(random);
    std::vector<std::uint32_t> counts(levels, 1);
    for (std::uint32_t k = 1; k < levels; ++k) {
        counts[k] = std::uniform_int_distribution<std::uint32_t>(2, 9)(random); // each level its own count
    }
    ASSERT_TRUE(BuildWithCounts(project, counts));
    for (std::uint32_t k = 0; k < levels; ++k) {
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            // Some texts at their limits exactly.
            const bool full = std::uniform_int_distribution<int>(0, 3)(random) == 0;
            const std::uint32_t nameLimit = k == 0 ? MaxGoalNameLength : MaxElementNameLength;
            std::string name = full ? std::string() : RandomText(random, nameLimit);
            if (full) {
                for (std::uint32_t i = 0; i < nameLimit; ++i) {
                    name += "Ж";
                }
            }
            std::string comment = RandomText(random, full ? 0 : MaxCommentLength);
            if (full) {
                for (std::uint32_t i = 0; i < MaxCommentLength; ++i) {
                    comment += i % 2 ? "ю" : "w";
                }
            }
            ASSERT_TRUE(project.SetElementText(e, k, name, comment));
            ASSERT_EQ(project.Element(e, k).Name, name); // nothing cut: the round trip must see it all
            TMatrix<int> judgements(9, 9);
            for (std::uint32_t r = 0; r < 9; ++r) {
                for (std::uint32_t c = 0; c < 9; ++c) {
                    judgements(r, c) = RandomJudgement(random);
                }
            }
            // As Tessaly keeps them: the diagonal equal, "не задано" in both cells of a pair.
            for (std::uint32_t r = 0; r < 9; ++r) {
                judgements(r, r) = 1;
                for (std::uint32_t c = r + 1; c < 9; ++c) {
                    if (judgements(r, c) == 0 || judgements(c, r) == 0) {
                        judgements(r, c) = 0;
                        judgements(c, r) = 0;
                    }
                }
            }
            ASSERT_TRUE(project.SetJudgements(e, k, JudgementsFromCodes(judgements)));
        }
    }
}
} // namespace

TEST(ProjectFileRoundTrip, RandomProjectsReadBackIdentically)
{
    std::mt19937 random(20261208);
    auto record = std::make_unique<TLoadSaveProject>();
    for (int round = 0; round < 200; ++round) {
        auto original = std::make_unique<CUserProjectModel>();
        Randomise(*original, random);
        CMemorySink sink;
        ASSERT_TRUE(WriteProjectFile(*original, sink, false));
        ASSERT_TRUE(ReadProjectBytes(*record, sink.Bytes.data(), sink.Bytes.size()).Succeeded()) << round;
        auto loaded = std::make_unique<CUserProjectModel>();
        ASSERT_TRUE(loaded->BuildLoadedHierarchy(*record));
        ASSERT_EQ(loaded->LevelCount(), original->LevelCount());
        const std::uint32_t levels = original->LevelCount();
        for (std::uint32_t k = 0; k < levels; ++k) {
            const std::uint32_t count = original->ElementsInLevelChecked(k);
            ASSERT_EQ(loaded->ElementsInLevelChecked(k), count) << round << " level " << k;
            const std::uint32_t below = k + 1 < levels ? original->ElementsInLevelChecked(k + 1) : 0;
            for (std::uint32_t e = 0; e < count; ++e) {
                const CHierarchy_Element& a = original->Element(e, k);
                const CHierarchy_Element& b = loaded->Element(e, k);
                ASSERT_EQ(b.Name, a.Name);
                ASSERT_EQ(b.Comment, a.Comment);
                for (std::uint32_t r = 0; r < below; ++r) {
                    for (std::uint32_t c = 0; c < below; ++c) {
                        ASSERT_EQ(b.Judgements(r, c).Code(), a.Judgements(r, c).Code()) << round;
                    }
                }
            }
        }
        const auto was = std::make_unique<CProjectResults>(ComputeResults(*original));
        const auto now = std::make_unique<CProjectResults>(ComputeResults(*loaded));
        for (std::uint32_t k = 1; k < levels; ++k) {
            for (std::uint32_t e = 0; e < original->ElementsInLevelChecked(k); ++e) {
                ASSERT_EQ(now->GlobalPriority()(e, k), was->GlobalPriority()(e, k)) << round;
            }
        }
        for (std::uint32_t k = 0; k + 1 < levels; ++k) {
            for (std::uint32_t e = 0; e < original->ElementsInLevelChecked(k); ++e) {
                ASSERT_EQ(now->LevelData(e, k).Priority, was->LevelData(e, k).Priority);
                ASSERT_EQ(now->LevelData(e, k).CR, was->LevelData(e, k).CR);
            }
        }
    }
}

TEST(Codec1251, ConvertsBothWaysAndRefusesWhatItCannotHold)
{
    EXPECT_EQ(Utf8ToCp1251("Ёж"), "\xA8\xE6");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xB9"), "Ая№");
    EXPECT_EQ(Cp1251ToUtf8("\x88"), "€");
    EXPECT_EQ(Utf8ToCp1251("plain"), "plain");
    EXPECT_TRUE(IsCp1251Representable("Выбор «лучшего» — 5€"));
    EXPECT_FALSE(IsCp1251Representable("漢字"));
    EXPECT_FALSE(IsCp1251Representable("ä"));    // Latin-1 letters are not in this code page
    EXPECT_FALSE(IsCp1251Representable("\xC3")); // not UTF-8 at all
    EXPECT_EQ(Utf8ToCp1251("а漢б"), "\xE0\xE1");
    EXPECT_EQ(Utf8ToCp1251("a\xC3"
                           "b"),
        "ab");                               // a broken sequence costs only itself
    EXPECT_EQ(Cp1251ToUtf8("x\x98y"), "xy"); // the one undefined byte
    for (int byte = 0x80; byte < 0x100; ++byte) {
        if (byte == 0x98) {
            continue;
        }
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = Cp1251ToUtf8(one);
        ASSERT_TRUE(IsCp1251Representable(utf8)) << byte;
        ASSERT_EQ(Utf8ToCp1251(utf8), one) << byte;
    }
}
