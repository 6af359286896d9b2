#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "srml/CardDescriptionSet.h"
#include "srml/SectionReader.h"
#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

using test::ErrorOf;

const Lines kSet = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"DESCRIPTIONS\"]",
                    "[CARD ID=\"5\" TYPE=\"NORMAL\"]",
                    "old upright<br />",
                    "[/CARD ID=\"5\" TYPE=\"NORMAL\"]",
                    "[CARD ID=\"5\" TYPE=\"REVERSED\"]",
                    "[/CARD ID=\"5\" TYPE=\"REVERSED\"]",
                    "[CARD ID=\"6\" TYPE=\"NORMAL\"]",
                    "six<br />",
                    "[/CARD ID=\"6\" TYPE=\"NORMAL\"]",
                    "[/SRML]"};

TEST(CardDescriptionSetTest, SectionNamesCarryTheCardAndItsOrientation) {
  EXPECT_EQ(DescriptionSectionName("5", "normal"), "CARD ID=\"5\" TYPE=\"NORMAL\"");
  EXPECT_EQ(DescriptionSectionName("78", "reversed"), "CARD ID=\"78\" TYPE=\"REVERSED\"");
  EXPECT_EQ(DescriptionSectionName("0", "blank"), "CARD ID=\"0\" TYPE=\"BLANK\"");
}

TEST(CardDescriptionSetTest, ReplacingASectionChangesOnlyThatSection) {
  const std::string upright = DescriptionSectionName("5", "normal");
  Lines expected = kSet;
  expected.erase(expected.begin() + 2);
  expected.insert(expected.begin() + 2, {"new<br />", "text<br />"});
  EXPECT_EQ(ReplaceDescriptionSectionLines(kSet, upright, {"new<br />", "text<br />"}), expected);

  Lines emptied = kSet;
  emptied.erase(emptied.begin() + 7);
  EXPECT_EQ(ReplaceDescriptionSectionLines(kSet, DescriptionSectionName("6", "normal"), {}),
            emptied);

  // A section held twice: the last start and end tags are the ones the reader takes.
  const Lines twice = {"[A]", "first", "[/A]", "[A]", "second", "[/A]"};
  EXPECT_EQ(ReplaceDescriptionSectionLines(twice, "A", {"new"}),
            (Lines{"[A]", "first", "[/A]", "[A]", "new", "[/A]"}));
}

TEST(CardDescriptionSetTest, AMissingSectionIsAddedInsteadOfCorruptingTheSet) {
  const std::string name = DescriptionSectionName("9", "reversed");
  const std::string start = "[" + name + "]", end = "[/" + name + "]";
  const Lines open = {"[CARD ID=\"1\" TYPE=\"NORMAL\"]", "one", "[/CARD ID=\"1\" TYPE=\"NORMAL\"]"};
  const struct {
    const char* what;
    Lines document;
    Lines expected;
  } cases[] = {
      {"before the closing line", kSet,
       [&] {
         Lines added(kSet.begin(), kSet.end() - 1);
         added.insert(added.end(), {start, "nine", end, "[/SRML]"});
         return added;
       }()},
      {"at the end without one", open,
       [&] {
         Lines added = open;
         added.insert(added.end(), {start, "nine", end});
         return added;
       }()},
      {"an end tag before its start tag",
       {end, start, "[/SRML]"},
       {end, start, start, "nine", end, "[/SRML]"}},
      {"an end tag alone", {"header", end}, {"header", end, start, "nine", end}},
      {"an empty document", {}, {start, "nine", end}},
  };
  for (const auto& c : cases) {
    const Lines mended = ReplaceDescriptionSectionLines(c.document, name, {"nine"});
    EXPECT_EQ(mended, c.expected) << c.what;
    EXPECT_EQ(SectionReader(mended, name), Lines{"nine"}) << c.what;
  }
}

TEST(CardDescriptionSetTest, TheFileIsReadWholeAndWrittenWhole) {
  test::TempFolder folder;
  const std::string path = folder.Path("Custom.srml");
  EXPECT_EQ(ErrorOf([&] { ReplaceDescriptionSection(path, "X", {}); }),
            "Cannot open file \"" + path + "\". No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(path));

  folder.Write("Custom.srml",
               "[CARD ID=\"5\" TYPE=\"REVERSED\"]\n[/CARD ID=\"5\" TYPE=\"REVERSED\"]\n");
  ReplaceDescriptionSection(path, DescriptionSectionName("5", "reversed"), {"down<br />"});
  EXPECT_EQ(
      folder.Read("Custom.srml"),
      "[CARD ID=\"5\" TYPE=\"REVERSED\"]\r\ndown<br />\r\n[/CARD ID=\"5\" TYPE=\"REVERSED\"]\r\n");
}

TEST(CardDescriptionSetTest, SetNamesFollowTheFileNamesWithoutCase) {
  test::TempFolder folder;
  for (const char* file :
       {"b.srml", "A.srml", "Custom.srml", "notes.txt", "x.srml.srml", "a.b.srml", "Old.SRML"}) {
    folder.Write(file, "");
  }
  EXPECT_EQ(DescriptionSetNames(folder.Root()),
            (std::vector<std::string>{"a.b", "A", "b", "Custom", "x"}));
}

TEST(CardDescriptionSetTest, TheOldPerCardFilesConvertIntoOneSet) {
  test::TempFolder app;
  for (const char* orientation : {"normal", "reversed"}) {
    for (int card = 1; card <= 78; ++card) {
      app.Write(std::string("description/custom keywords/") + orientation + "/" +
                    std::to_string(card) + ".htm",
                std::string(orientation) + " " + std::to_string(card) + "\r\n<b>two</b>\n");
    }
  }
  app.Write("descriptions/Custom.srml", "");
  const std::string set_path = app.Path("descriptions/custom keywords.srml");
  ConvertOldDescriptions(AppFolder(app.Root()));
  const Lines set = ReadLinesFile(set_path);
  ASSERT_EQ(set.size(), 3u + 2 * 78 * 4);
  EXPECT_EQ(Lines(set.begin(), set.begin() + 7),
            (Lines{"[CARD ID=\"0\" TYPE=\"BLANK\"]", "Black Hole",
                   "[/CARD ID=\"0\" TYPE=\"BLANK\"]", "[CARD ID=\"1\" TYPE=\"NORMAL\"]", "normal 1",
                   "<b>two</b>", "[/CARD ID=\"1\" TYPE=\"NORMAL\"]"}));
  EXPECT_EQ(SectionReader(set, DescriptionSectionName("78", "normal")),
            (Lines{"normal 78", "<b>two</b>"}));
  EXPECT_EQ(set[3 + 78 * 4], "[CARD ID=\"1\" TYPE=\"REVERSED\"]");
  EXPECT_EQ(set.back(), "[/CARD ID=\"78\" TYPE=\"REVERSED\"]");

  std::remove(app.Path("description/custom keywords/reversed/40.htm").c_str());
  std::remove(set_path.c_str());
  EXPECT_EQ(ErrorOf([&] { ConvertOldDescriptions(AppFolder(app.Root())); }),
            "Cannot open file \"" + app.Path("description/custom keywords/reversed/40.htm") +
                "\". No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(set_path));
}

}  // namespace
}  // namespace sibylon
