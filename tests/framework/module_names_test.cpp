// The names derived from the executable's path: help file, profile file, the caption.
#include "module_names.h"

#include <gtest/gtest.h>

namespace {

TEST(ModuleNamesTest, AnExecutableInAFolderGivesAllSixNames) {
    const ModuleNames names = DeriveModuleNames("C:\\GAMES\\ABC.EXE", "ABC");
    EXPECT_EQ(names.modulePath, "C:\\GAMES\\ABC.EXE");
    EXPECT_EQ(names.basePath, "C:\\GAMES\\ABC");
    EXPECT_EQ(names.executableName, "ABC");
    EXPECT_EQ(names.applicationName, "ABC");
    EXPECT_EQ(names.helpFilePath, "C:\\GAMES\\ABC.HLP");
    EXPECT_EQ(names.profileFileName, "ABC.INI"); // no directory
}

TEST(ModuleNamesTest, ACopyUnderAnotherNameUsesItsOwnNames) {
    const ModuleNames names = DeriveModuleNames("C:\\GAMES\\XYZ.EXE", "XYZ");
    EXPECT_EQ(names.helpFilePath, "C:\\GAMES\\XYZ.HLP");
    EXPECT_EQ(names.profileFileName, "XYZ.INI");
    EXPECT_EQ(names.applicationName, "XYZ");
}

TEST(ModuleNamesTest, WithoutAFileTitleTheFileNamePartOfTheBasePathIsUsed) {
    const ModuleNames names = DeriveModuleNames("C:\\GAMES\\ABC.EXE", std::nullopt);
    EXPECT_EQ(names.executableName, "ABC");
    EXPECT_EQ(names.applicationName, "ABC");
    EXPECT_EQ(names.profileFileName, "ABC.INI");

    EXPECT_EQ(DeriveModuleNames("Z:/home/player/zodedu.exe", std::nullopt).executableName,
              "zodedu");
    EXPECT_EQ(DeriveModuleNames("C:ABC.EXE", std::nullopt).executableName, "ABC");
    EXPECT_EQ(DeriveModuleNames("ABC.EXE", std::nullopt).executableName, "ABC");
}

TEST(ModuleNamesTest, TheFileTitleWinsOverThePath) {
    // The platform's title is taken as given, for instance without a long name's case.
    const ModuleNames names = DeriveModuleNames("C:\\GAMES\\ABC.EXE", "abc");
    EXPECT_EQ(names.executableName, "abc");
    EXPECT_EQ(names.profileFileName, "abc.INI");
    EXPECT_EQ(names.helpFilePath, "C:\\GAMES\\ABC.HLP"); // the help path comes from the path
}

TEST(ModuleNamesTest, TheLastFourCharactersAreAlwaysCut) {
    // Whatever they are: a longer or shorter extension, or none at all.
    EXPECT_EQ(DeriveModuleNames("C:\\GAMES\\ABC.EX", std::nullopt).basePath, "C:\\GAMES\\AB");
    EXPECT_EQ(DeriveModuleNames("C:\\GAMES\\ABC.EX", std::nullopt).helpFilePath,
              "C:\\GAMES\\AB.HLP");
    EXPECT_EQ(DeriveModuleNames("C:\\GAMES\\ABC.EXEC", std::nullopt).basePath, "C:\\GAMES\\ABC.");
    EXPECT_EQ(DeriveModuleNames("C:\\GAMES.DIR\\ABC", std::nullopt).basePath, "C:\\GAMES.DIR");
    EXPECT_EQ(DeriveModuleNames("C:\\GAMES.DIR\\ABC", std::nullopt).executableName, "GAMES.DIR");
    EXPECT_EQ(DeriveModuleNames("C:\\GAMES.DIR\\ABC", std::nullopt).profileFileName,
              "GAMES.DIR.INI");
}

TEST(ModuleNamesTest, APathOfFourCharactersOrFewerLeavesAnEmptyBase) {
    for (const char* path : {"", "A", "A.EX", "ABCD"}) {
        const ModuleNames names = DeriveModuleNames(path, std::nullopt);
        EXPECT_EQ(names.modulePath, path);
        EXPECT_EQ(names.basePath, "") << path;
        EXPECT_EQ(names.helpFilePath, ".HLP") << path;
        EXPECT_EQ(names.profileFileName, ".INI") << path;
    }
}

TEST(ModuleNamesTest, FileNamePartFollowsTheLastSeparator) {
    EXPECT_EQ(FileNamePart("C:\\GAMES\\ABC"), "ABC");
    EXPECT_EQ(FileNamePart("C:\\GAMES/SUB\\ABC"), "ABC");
    EXPECT_EQ(FileNamePart("C:ABC"), "ABC");
    EXPECT_EQ(FileNamePart("ABC"), "ABC");
    EXPECT_EQ(FileNamePart("C:\\GAMES\\"), "");
}

} // namespace
