#include "support/ModelEdits.h"

#include "core/document/CProjectDocument.h"
#include "core/document/DocumentFile.h"
#include "core/storage/ProjectFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

TEST(DocumentFile, ReadingFillsTheDocumentAndARefusedFileLeavesItAsItWas)
{
    std::string folder = (std::filesystem::temp_directory_path() / "tessaly-document-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string sound = folder + "/sound.tsy";
    const std::string cut = folder + "/cut.tsy";
    {
        CProjectDocument source;
        source.BuildNewHierarchy(3, 4, "ЦЕЛЬ", "");
        SetPair(EditableModel(source), 0, 0, 0, 2, 7);
        ASSERT_EQ(SaveProjectFile(source.Model(), sound, false), EWriteResult::Ok);
    }
    std::filesystem::copy_file(sound, cut);
    std::filesystem::resize_file(cut, std::filesystem::file_size(sound) - 3);

    CProjectDocument document;
    const CReadOutcome read = ReadProjectDocument(document, sound);
    EXPECT_TRUE(read.Succeeded());
    ASSERT_TRUE(document.Model().Built());
    EXPECT_EQ(document.Model().LevelCount(), 4U);
    EXPECT_EQ(document.Model().Goal().Name, "ЦЕЛЬ");
    EXPECT_EQ(document.Model().Goal().Judgements(0, 2).Code(), 7);
    EXPECT_EQ(document.Model().Goal().Judgements(2, 0).Code(), -7);
    // Reading is no edit; the file name is the caller's to give.
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.FileName().empty());

    for (const std::string& refused : {cut, folder + "/nowhere.tsy", folder}) {
        const CReadOutcome outcome = ReadProjectDocument(document, refused);
        EXPECT_FALSE(outcome.Succeeded()) << refused;
        EXPECT_EQ(document.Model().LevelCount(), 4U) << refused;
        EXPECT_EQ(document.Model().Goal().Judgements(0, 2).Code(), 7) << refused;
    }
    EXPECT_EQ(ReadProjectDocument(document, cut).Message, DamagedProjectText);
    EXPECT_EQ(ReadProjectDocument(document, folder + "/nowhere.tsy").Message, CannotOpenProjectText);
    std::filesystem::remove_all(folder);
}
