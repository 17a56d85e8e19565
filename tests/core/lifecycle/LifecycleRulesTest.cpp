#include "support/ModelEdits.h"

#include "core/document/CProjectDocument.h"
#include "core/lifecycle/CCloseAllSequence.h"
#include "core/lifecycle/LifecycleRules.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A fresh folder for one test, removed with what it holds.
class CScratchFolder {
public:
    CScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-lifecycle-XXXXXX").string();
        Path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    ~CScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    [[nodiscard]] std::string File(const std::string& name) const { return Path + "/" + name; }
    void Put(const std::string& name) const { std::ofstream(File(name)) << "someone else's file"; }
    std::string Path;
};

} // namespace

TEST(LifecycleRules, SaveAsksAboutChangesOnlyWithAFileAndAboutAFileAlways)
{
    struct CCase {
        const char* FileName;
        bool Modified;
        ESaveQuestion Question;
        const char* Text;
    };
    const std::array cases{
        CCase{"", false, ESaveQuestion::SaveCreated, "Сохранить созданный проект в файле?"},
        CCase{"", true, ESaveQuestion::SaveCreated, "Сохранить созданный проект в файле?"},
        CCase{"/p/plan.tsy", false, ESaveQuestion::None, ""},
        CCase{"/p/plan.tsy", true, ESaveQuestion::SaveChanges, "Сохранить сделанные в проекте изменения?"},
    };
    for (const CCase& c : cases) {
        CProjectDocument document;
        document.SetFileName(c.FileName);
        if (c.Modified) {
            document.MarkModified();
        }
        EXPECT_EQ(SaveQuestionOf(document), c.Question) << c.FileName << " " << c.Modified;
        EXPECT_STREQ(SaveQuestionText(SaveQuestionOf(document)), c.Text);
    }
    // Only a save the user asked for that did not happen keeps a closing window.
    EXPECT_TRUE(MayCloseAfter(ESaveOutcome::Saved));
    EXPECT_TRUE(MayCloseAfter(ESaveOutcome::NothingToSave));
    EXPECT_TRUE(MayCloseAfter(ESaveOutcome::Declined));
    EXPECT_FALSE(MayCloseAfter(ESaveOutcome::Cancelled));
    EXPECT_FALSE(MayCloseAfter(ESaveOutcome::Failed));
}

// The save dialogs confirmed the name as typed; the name the extension rule made of it,
// and any name from the open dialog, is asked about when a file stands there.
TEST(LifecycleRules, ExtensionRuleAndReplaceQuestion)
{
    const CScratchFolder folder;
    ASSERT_FALSE(folder.Path.empty());
    for (const char* name : {"plan.tsy", "hobby", "shape.htp"}) {
        folder.Put(name);
    }
    struct CCase {
        const char* Chosen;
        const char* Extension;
        ENamedIn Dialog;
        const char* Path;
        bool AskReplace;
    };
    const std::array cases{
        CCase{"plan", ".tsy", ENamedIn::SaveDialog, "plan.tsy", true},
        CCase{"plan.tsy", ".tsy", ENamedIn::SaveDialog, "plan.tsy", false},
        CCase{"plan.tsy", ".tsy", ENamedIn::OpenDialog, "plan.tsy", true},
        CCase{"plan", ".tsy", ENamedIn::OpenDialog, "plan.tsy", true},
        CCase{"fresh", ".tsy", ENamedIn::SaveDialog, "fresh.tsy", false},
        CCase{"fresh", ".tsy", ENamedIn::OpenDialog, "fresh.tsy", false},
        // Only the last letter is compared: "hobby" ends in the "y" of ".tsy".
        CCase{"hobby", ".tsy", ENamedIn::SaveDialog, "hobby", false},
        CCase{"hobby", ".tsy", ENamedIn::OpenDialog, "hobby", true},
        CCase{"shape", ".htp", ENamedIn::SaveDialog, "shape.htp", true},
        CCase{"shape.tsy", ".htp", ENamedIn::SaveDialog, "shape.tsy.htp", false},
    };
    for (const CCase& c : cases) {
        const CSaveTarget target = SaveTargetOf(folder.File(c.Chosen), c.Extension, c.Dialog);
        EXPECT_EQ(target.Path, folder.File(c.Path)) << c.Chosen;
        EXPECT_EQ(target.AskReplace, c.AskReplace) << c.Chosen << " " << static_cast<int>(c.Dialog);
    }
}

TEST(LifecycleRules, WhatAFileNamedToOpenBecomesAndTheCaptions)
{
    const COpening project = OpeningOf(EOpening::Project, "/w/plan.tsy");
    EXPECT_EQ(project.Caption, "Проект - /w/plan.tsy");
    EXPECT_EQ(project.FileName, "/w/plan.tsy");
    EXPECT_STREQ(project.CreationFailureText, "Ошибка выделения памяти под открытие проекта");
    const COpening fromTemplate = OpeningOf(EOpening::Template, "/w/HTemplates/crm.htp");
    EXPECT_EQ(fromTemplate.Caption, "");
    EXPECT_EQ(fromTemplate.FileName, "");
    EXPECT_STREQ(fromTemplate.CreationFailureText, "Не могу открыть текущий шаблон");
    const COpening copy = OpeningOf(EOpening::Copy, "/w/ToClone.tmp");
    EXPECT_EQ(copy.Caption, "");
    EXPECT_EQ(copy.FileName, "");
    EXPECT_STREQ(copy.CreationFailureText, "Не могу клонировать текущий проект");

    EXPECT_EQ(CountCaption(1), "Проект - 1");
    EXPECT_EQ(CountCaption(12), "Проект - 12");
    EXPECT_EQ(SavedCaption("/w/plan.tsy"), "/w/plan.tsy");
    EXPECT_EQ(NamedCaption("/w/plan.tsy"), "Проект - /w/plan.tsy");
}

// Each row: which of three projects' windows stay when the frame closes them all.
TEST(CloseAllSequence, TheFrameClosesOnlyWhenEveryWindowWent)
{
    const std::vector<std::array<bool, 3>> stays{
        {false, false, false}, {true, false, false}, {false, false, true}, {true, true, true}};
    for (const auto& row : stays) {
        std::array<CProjectDocument, 3> documents;
        documents[1].SetAskSaveOnClose(false); // a project that had cleared its question
        CCloseAllSequence sequence;
        for (std::size_t i = 0; i < documents.size(); ++i) {
            CCloseAllSequence::Closing(documents[i]);
            EXPECT_TRUE(documents[i].AskSaveOnClose()) << i;
            EXPECT_TRUE(documents[i].ClosingAll()) << i;
            if (row[i]) {
                sequence.Stayed(documents[i]);
            }
        }
        const bool allWent = !row[0] && !row[1] && !row[2];
        EXPECT_EQ(sequence.FrameMayClose(), allWent);
        for (std::size_t i = 0; i < documents.size(); ++i) {
            // One that stayed is an ordinary open project again: closed later, it leaves
            // the registry itself.
            EXPECT_EQ(documents[i].ClosingAll(), !row[i]) << i;
        }
    }
}

// A template named to open (as the file manager names it, any case) is loaded as a
// template; anything else is opened as a project.
TEST(LifecycleRules, CommandLineOpensTemplatesAsTemplates)
{
    EXPECT_EQ(CommandLineOpeningOf("/w/crm.htp"), EOpening::Template);
    EXPECT_EQ(CommandLineOpeningOf("/w/CRM.HTP"), EOpening::Template);
    EXPECT_EQ(CommandLineOpeningOf("crm.Htp"), EOpening::Template);
    EXPECT_EQ(CommandLineOpeningOf("/w/plan.tsy"), EOpening::Project);
    EXPECT_EQ(CommandLineOpeningOf("/w/plan"), EOpening::Project);
    EXPECT_EQ(CommandLineOpeningOf("/w/htp"), EOpening::Project);
    EXPECT_EQ(CommandLineOpeningOf("/w/x.htp/plan.tsy"), EOpening::Project);
}

// One file under any spelling of its name: through a link, "..", "." or a doubled slash.
TEST(LifecycleRules, SameFileByCanonicalPath)
{
    const CScratchFolder folder;
    ASSERT_FALSE(folder.Path.empty());
    folder.Put("plan.tsy");
    folder.Put("other.tsy");
    std::filesystem::create_directory(folder.File("sub"));
    std::filesystem::create_symlink(folder.File("plan.tsy"), folder.File("link.tsy"));
    const std::string plan = folder.File("plan.tsy");
    EXPECT_TRUE(SameFile(plan, plan));
    EXPECT_TRUE(SameFile(plan, folder.File("link.tsy")));
    EXPECT_TRUE(SameFile(folder.File("sub/../plan.tsy"), plan));
    EXPECT_TRUE(SameFile(folder.Path + "//./plan.tsy", plan));
    EXPECT_FALSE(SameFile(plan, folder.File("other.tsy")));
    // A name that is no file yet (a failed Save as) compares by its spelling made plain.
    EXPECT_TRUE(SameFile(folder.File("gone/../new.tsy"), folder.File("new.tsy")));
    EXPECT_FALSE(SameFile(folder.File("new.tsy"), plan));
    EXPECT_FALSE(SameFile("", plan));
    EXPECT_FALSE(SameFile("", ""));
}

TEST(LifecycleRules, ExportsProposeTheProjectsNameInItsFolderElseTheGoalsInTheLastExportFolder)
{
    struct CCase {
        const char* ProjectFile;
        const char* Goal;
        const char* Extension;
        const char* Proposed;
    };
    const std::array cases{
        CCase{"/w/plan.tsy", "ЦЕЛЬ", ".pdf", "/w/plan.pdf"},
        CCase{"/w/plan.tsy", "ЦЕЛЬ", ".csv", "/w/plan.csv"},
        CCase{"/w/plan.v2.tsy", "ЦЕЛЬ", ".pdf", "/w/plan.v2.pdf"},
        CCase{"/w/hobby", "ЦЕЛЬ", ".pdf", "/w/hobby.pdf"},
        CCase{"", "ВЫБОР", ".csv", "/e/ВЫБОР.csv"},
        CCase{"", "ЗА/ПРОТИВ", ".pdf", "/e/ЗА_ПРОТИВ.pdf"},
        CCase{"", "", ".pdf", "/e"},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(ProposedExportName(c.ProjectFile, c.Goal, "/e", c.Extension), c.Proposed) << c.ProjectFile;
    }
}

TEST(LifecycleRules, FileErrorDetailsNameTheFileAndTheReason)
{
    EXPECT_EQ(FileErrorDetails("/w/b.tsy", "не файл проекта"), "Файл: /w/b.tsy\nПричина: не файл проекта");
    EXPECT_EQ(FileErrorDetails("/w/b.tsy", ""), "Файл: /w/b.tsy");
    EXPECT_EQ(FileErrorDetails("", "No such file or directory"), "Причина: No such file or directory");
    EXPECT_EQ(FileErrorDetails("", ""), "");
}
