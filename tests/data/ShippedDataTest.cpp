// Walks what an installation ships (data/) and checks it against the formats the program reads.

#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>
// clang-format on

#include <filesystem>
#include <set>

#include "base/FileBytes.h"
#include "base/FolderListing.h"
#include "base/StrToInt.h"
#include "srml/SectionReader.h"
#include "srml/SpreadDefinition.h"

namespace sibylon {
namespace {

const std::string kData = std::string(SIBYLON_DATA) + "/";

struct JpegInfo {
  bool decoded = false;
  int width = 0;
  int height = 0;
};

struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

JpegInfo DecodeJpeg(const std::string& bytes) {
  JpegInfo info;
  jpeg_decompress_struct jpeg;
  JpegErrors errors;
  jpeg.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = [](j_common_ptr c) {
    std::longjmp(reinterpret_cast<JpegErrors*>(c->err)->jump, 1);
  };
  errors.base.output_message = [](j_common_ptr) {};
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&jpeg);
    return JpegInfo{};
  }
  jpeg_create_decompress(&jpeg);
  jpeg_mem_src(&jpeg, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&jpeg, TRUE);
  jpeg_start_decompress(&jpeg);
  std::vector<unsigned char> row(jpeg.output_width * jpeg.output_components);
  while (jpeg.output_scanline < jpeg.output_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&jpeg, rows, 1);
  }
  info = {true, static_cast<int>(jpeg.output_width), static_cast<int>(jpeg.output_height)};
  jpeg_finish_decompress(&jpeg);
  jpeg_destroy_decompress(&jpeg);
  return info;
}

TEST(ShippedDataTest, EverySpreadReadsBackWithItsPositionsOnTheTable) {
  const auto files = ListFiles(kData + "spreads", ".srml");
  EXPECT_GE(files.size(), 10u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const Lines document = ReadLinesFile(kData + "spreads/" + file);
    const Lines title = SectionReader(document, "SPREAD");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0] + ".srml", file);
    const Lines cards = SectionReader(document, "CARDS");
    ASSERT_EQ(cards.size(), 1u);
    const int n = StrToInt(cards[0]);
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 30);
    EXPECT_EQ(SectionReader(document, "MEANINGS").size(), static_cast<std::size_t>(n));
    const Lines positions = SectionReader(document, "POSITIONS");
    ASSERT_EQ(positions.size(), static_cast<std::size_t>(n));
    for (const std::string& line : positions) {
      const CardPlace place = ParsePosition(line);
      EXPECT_TRUE(place.left >= 0 && place.left <= 371 && place.top >= 0 && place.top <= 251)
          << line;
    }
    for (const char* text : {"DESCRIPTION", "COMMENTS"}) {
      for (const std::string& line : SectionReader(document, text)) {
        EXPECT_TRUE(line.size() >= 6 && line.compare(line.size() - 6, 6, "<br />") == 0) << line;
      }
    }
  }
}

TEST(ShippedDataTest, EveryDescriptionSetHoldsAll157Sections) {
  const auto files = ListFiles(kData + "descriptions", ".srml");
  EXPECT_GE(files.size(), 3u);  // the full set, the keywords and the user's own
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const Lines document = ReadLinesFile(kData + "descriptions/" + file);
    std::set<std::string> names;
    for (const std::string& line : document) {
      if (line.rfind("[CARD ", 0) == 0) names.insert(line);
    }
    EXPECT_EQ(names.size(), 157u);
    EXPECT_FALSE(SectionReader(document, "CARD ID=\"0\" TYPE=\"BLANK\"").empty());
    for (int card = 1; card <= 78; ++card) {
      for (const char* type : {"NORMAL", "REVERSED"}) {
        const std::string name = "CARD ID=\"" + std::to_string(card) + "\" TYPE=\"" + type + "\"";
        EXPECT_FALSE(SectionReader(document, name).empty()) << name;
      }
    }
  }
  EXPECT_TRUE(std::filesystem::exists(kData + "descriptions/Custom.srml"));
}

TEST(ShippedDataTest, EveryDeckHasAll157PicturesOfOneSize) {
  const auto decks = ListSubfolders(kData + "cards");
  ASSERT_FALSE(decks.empty());
  for (const std::string& deck : decks) {
    SCOPED_TRACE(deck);
    std::vector<std::string> pictures = {"blank/0.jpg"};
    for (int card = 1; card <= 78; ++card) {
      pictures.push_back("normal/" + std::to_string(card) + ".jpg");
      pictures.push_back("reversed/" + std::to_string(card) + ".jpg");
    }
    int width = 0, height = 0;
    for (const std::string& picture : pictures) {
      const JpegInfo info = DecodeJpeg(ReadFileBytes(kData + "cards/" + deck + "/" + picture));
      ASSERT_TRUE(info.decoded) << picture;
      if (width == 0) width = info.width, height = info.height;
      EXPECT_EQ(info.width, width) << picture;
      EXPECT_EQ(info.height, height) << picture;
    }
    // The pages show every card at 144 x 233.
    EXPECT_NEAR(static_cast<double>(height) / width, 233.0 / 144.0, 0.01);
  }
}

TEST(ShippedDataTest, TheDefaultTitlesHave42Lines) {
  EXPECT_EQ(ReadLinesFile(kData + "titles/default.txt").size(), 42u);
}

}  // namespace
}  // namespace sibylon
