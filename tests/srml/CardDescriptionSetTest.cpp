#include "srml/CardDescriptionSet.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "support/TempFolder.h"

namespace sibylon {
namespace {

using test::ErrorOf;

const Lines kSet = {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"DESCRIPTIONS\"]",
                    "[CARD ID=\"5\" TYPE=\"NORMAL\"]", "old upright<br />", "[/CARD ID=\"5\" TYPE=\"NORMAL\"]",
                    "[CARD ID=\"5\" TYPE=\"REVERSED\"]", "[/CARD ID=\"5\" TYPE=\"REVERSED\"]",
                    "[CARD ID=\"6\" TYPE=\"NORMAL\"]", "six<br />", "[/CARD ID=\"6\" TYPE=\"NORMAL\"]",
                    "[/SRML]"};

TEST(CardDescriptionSetTest, ReplacingASectionChangesOnlyThatSection) {
  const std::string upright = DescriptionSectionName("5", "normal");
  EXPECT_EQ(upright, "CARD ID=\"5\" TYPE=\"NORMAL\"");
  Lines expected = kSet;
  expected.erase(expected.begin() + 2);
  expected.insert(expected.begin() + 2, {"new<br />", "text<br />"});
  EXPECT_EQ(ReplaceDescriptionSectionLines(kSet, upright, {"new<br />", "text<br />"}), expected);

  Lines emptied = kSet;
  emptied.erase(emptied.begin() + 7);
  EXPECT_EQ(ReplaceDescriptionSectionLines(kSet, DescriptionSectionName("6", "normal"), {}), emptied);
}

TEST(CardDescriptionSetTest, AMissingSectionIsAddedInsteadOfCorruptingTheSet) {
  const std::string name = DescriptionSectionName("9", "reversed");
  Lines closed = ReplaceDescriptionSectionLines(kSet, name, {"nine<br />"});
  ASSERT_EQ(closed.size(), kSet.size() + 3);
  EXPECT_EQ(closed.back(), "[/SRML]");
  EXPECT_EQ(Lines(closed.end() - 4, closed.end() - 1),
            (Lines{"[" + name + "]", "nine<br />", "[/" + name + "]"}));

  const Lines open = {"[CARD ID=\"1\" TYPE=\"NORMAL\"]", "one", "[/CARD ID=\"1\" TYPE=\"NORMAL\"]"};
  EXPECT_EQ(ReplaceDescriptionSectionLines(open, name, {"nine"}).back(), "[/" + name + "]");

  // An end tag before its start tag is not a section either.
  const Lines backwards = {"[/" + name + "]", "[" + name + "]", "[/SRML]"};
  const Lines mended = ReplaceDescriptionSectionLines(backwards, name, {"x"});
  EXPECT_EQ(Lines(mended.end() - 4, mended.end()), (Lines{"[" + name + "]", "x", "[/" + name + "]", "[/SRML]"}));
}

TEST(CardDescriptionSetTest, TheFileIsReadWholeAndWrittenWhole) {
  test::TempFolder folder;
  EXPECT_EQ(ErrorOf([&] { ReplaceDescriptionSection(folder.Path("Custom.srml"), "X", {}); }),
            "Cannot open file \"" + folder.Path("Custom.srml") + "\". No such file or directory");
  EXPECT_EQ(folder.Read("Custom.srml"), "");

  folder.Write("Custom.srml", JoinLines(kSet));
  ReplaceDescriptionSection(folder.Path("Custom.srml"), DescriptionSectionName("5", "reversed"),
                            {"down<br />"});
  EXPECT_EQ(ReadLinesFile(folder.Path("Custom.srml"))[5], "down<br />");
}

TEST(CardDescriptionSetTest, SetNamesAreListedWithoutCaseAndExtension) {
  test::TempFolder folder;
  for (const char* file : {"b.srml", "A.srml", "Custom.srml", "notes.txt", "x.srml.srml"}) {
    folder.Write(file, "");
  }
  EXPECT_EQ(DescriptionSetNames(folder.Root()), (std::vector<std::string>{"A", "b", "Custom", "x"}));
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
  app.Write("descriptions/.keep", "");
  ConvertOldDescriptions(AppFolder(app.Root()));
  const Lines set = ReadLinesFile(app.Path("descriptions/custom keywords.srml"));
  ASSERT_EQ(set.size(), 3u + 2 * 78 * 4);
  EXPECT_EQ(Lines(set.begin(), set.begin() + 7),
            (Lines{"[CARD ID=\"0\" TYPE=\"BLANK\"]", "Black Hole", "[/CARD ID=\"0\" TYPE=\"BLANK\"]",
                   "[CARD ID=\"1\" TYPE=\"NORMAL\"]", "normal 1", "<b>two</b>",
                   "[/CARD ID=\"1\" TYPE=\"NORMAL\"]"}));
  EXPECT_EQ(set.back(), "[/CARD ID=\"78\" TYPE=\"REVERSED\"]");

  std::remove(app.Path("description/custom keywords/reversed/40.htm").c_str());
  std::remove(app.Path("descriptions/custom keywords.srml").c_str());
  EXPECT_EQ(ErrorOf([&] { ConvertOldDescriptions(AppFolder(app.Root())); }),
            "Cannot open file \"" + app.Path("description/custom keywords/reversed/40.htm") +
                "\". No such file or directory");
  EXPECT_EQ(app.Read("descriptions/custom keywords.srml"), "");
}

}  // namespace
}  // namespace sibylon
