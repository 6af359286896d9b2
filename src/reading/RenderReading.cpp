#include "reading/RenderReading.h"

#include <algorithm>

#include "base/AppError.h"
#include "base/StrToInt.h"
#include "base/TextReplace.h"
#include "deck/CardCatalogue.h"
#include "srml/CardDescriptionSet.h"
#include "srml/SectionReader.h"
#include "srml/SpreadDefinition.h"

namespace sibylon {
namespace {

// The page shows every card picture at this size.

const std::string& LineAt(const Lines& lines, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) {
    throw ListIndexOutOfBounds(index);
  }
  return lines[static_cast<std::size_t>(index)];
}

// The page's arithmetic is 64-bit: every place that the integer conversion accepts gives its exact
// pixel value (5 x 999999999 does not fit an int).

// x * 4.4 to the nearest integer, in whole numbers: 22x / 5 is never halfway between two.
long long ScaleLeft(long long x) {
  const long long scaled = 22 * x;
  return scaled >= 0 ? (scaled + 2) / 5 : -((-scaled + 2) / 5);
}

std::string ImageTag(const std::string& reference) {
  return "<img class=\"ic\" src=\"" + reference + "\" width=\"" + kCardPictureWidth +
         "\" height=\"" + kCardPictureHeight + "\" border=\"0\" alt=\"\" />";
}

}  // namespace

std::string XhtmlDoctypeLine() {
  return "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">";
}

std::string XhtmlHtmlLine() { return "<html xmlns=\"http://www.w3.org/1999/xhtml\">"; }

std::string ContentTypeLine(std::string_view code_page) {
  return "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
         std::string(code_page) + "\" />";
}

std::string PictureReference(std::string_view path) {
  constexpr std::string_view kEncoded = "% #?\"&<>";
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string reference;
  reference.reserve(path.size());
  for (char c : path) {
    if (kEncoded.find(c) == std::string_view::npos) {
      reference += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      reference += '%';
      reference += kHex[byte >> 4];
      reference += kHex[byte & 0xF];
    }
  }
  return reference;
}

Lines MakeStyleBlock(bool frames) {
  Lines style = {
      "</title>",
      "",
      "<style type=\"text/css\">",
      "<!--",
      ".com1 {color: #666699;}",
      "",
      ".b {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; color:#333333; "
      "background-color:#FBFBFB; padding:9px; margin:0px}",
      ".cp0 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
      "normal;color:#000000; text-align:justify}",
      ".cp {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
      "bold;color:#000000}",
      ".cc {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
      "normal;color:#000000}",
      ".cn {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
      "bold;color:#669900}",
      ".ic {border: 1px solid #000000;}",
      "hr {color:#000000}",
      ".tn {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; font-weight: "
      "bold;color: #6666CC;}",
      ".style5 {font-family: Arial, Helvetica, sans-serif;font-size: 16px; font-weight: bold; "
      "text-transform: uppercase; color: #CC3333;}",
      "",
      ".des {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
      "background-color:#FFFFFF;border-color:#990000;",
      "border-width:1px;border-style:solid;padding:4px;text-align:justify}",
      ".des1 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
      "background-color:#e3e3e3;border-color:#333333;",
      "border-width:1px;border-style:solid;padding:6px;text-align:justify;}",
      ".des0 {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
      "background-color:#e3e3e3;text-align:justify;}",
      "",
      ".border{border-width:1px;border-style:solid;padding:1px;border-color:#666666}",
      "",
      ".deckview, .que {background-color:#FFFFFF;border-color:#0066CC;border-width:1px;"
      "border-style:solid;padding:9px;text-align:justify}",
      ".cpos{font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 10px; font-weight: "
      "normal;color:#CC0033}",
      "",
      "a .v {color: #707070; text-decoration: underline;font-size:11px}",
      "a:hover .v {color: #428000;}",
      "a {color: blue; text-decoration: underline;}",
      "a:hover {color: #428000;}",
      "",
      "/* 20080731 */",
      "#C {",
      std::string("\tposition:absolute;            /* */         padding:2px;         width:") +
          kCardPictureWidth + "px; /* why? 4+90+4=98 not 102 */",
      "\t/*width:161px;",
      "\theight:284px;*/",
      "\tz-index:101; /* border:1px; border-color:#666666; border-style:solid */",
  };
  if (frames) {
    style.push_back(
        "background-color:#FFFFFF; border:1px; border-color:#006699; border-style:solid;");
  }
  const Lines rest = {
      "}",
      "#B {",
      "\tposition:relative;",
      "\tleft:0px;",
      "\ttop:0px;",
      "\twidth:100%;",
      "",
      "\tz-index:1;",
      "\t",
      "\t",
      "/*border:1px;border-style:solid;border-color:#666666;background-color:#F8F3DA;*/",
      "}",
      "",
      "-->",
      "</style>",
      "</head>",
  };
  style.insert(style.end(), rest.begin(), rest.end());
  return style;
}

std::vector<std::string> OrientationLabels(const Lines& mirrors, const PageOptions& options) {
  std::vector<std::string> labels;
  labels.reserve(mirrors.size());
  for (const std::string& word : mirrors) {
    std::string label = ReplaceAll(word, "blank", options.blank_on ? options.blank_text : "");
    label = ReplaceAll(label, "normal", options.normal_on ? options.normal_text : "");
    label = ReplaceAll(label, "reversed", options.reversed_on ? options.reversed_text : "");
    labels.push_back(std::move(label));
  }
  return labels;
}

RenderedPage RenderReading(const RenderInputs& in) {
  static const Lines kNothing;
  const Lines& reading = in.reading ? *in.reading : kNothing;
  const PageOptions& o = in.options;
  const PageWords& w = in.words;
  const std::vector<std::string>& titles = in.titles ? *in.titles : kNothing;
  // Without a chosen set the lookup fails as a list without a selection does.
  const DescriptionLookup no_set = [](const std::string&) -> Lines {
    throw ListIndexOutOfBounds(-1);
  };
  const DescriptionLookup& describe = in.descriptions ? in.descriptions : no_set;
  const auto title_of = [&titles](const std::string& card) -> const std::string& {
    const int number = StrToInt(card);
    if (number < 0 || static_cast<std::size_t>(number) >= titles.size()) {
      throw ListIndexOutOfBounds(number);
    }
    return titles[static_cast<std::size_t>(number)];
  };

  const Lines spread = SectionReader(reading, "SPREAD");
  const Lines mirrors = SectionReader(reading, "MIRRORS");
  const Lines fortune = SectionReader(reading, "FORTUNE");
  const Lines positions = SectionReader(reading, "POSITIONS");
  const Lines meanings = SectionReader(reading, "MEANINGS");

  RenderedPage rendered;
  rendered.orientation_labels = OrientationLabels(mirrors, o);
  const std::vector<std::string>& labels = rendered.orientation_labels;

  long long deepest = 0;
  // The table is as deep as the lowest place of all the lines, not only of the cards dealt.
  for (const std::string& line : positions) {
    deepest = std::max<long long>(deepest, StrToInt(SplitPositionLine(line).top));
  }
  const std::string& name = LineAt(spread, 0);

  Lines& page = rendered.page;
  page = {XhtmlDoctypeLine(),           XhtmlHtmlLine(), "<head>",
          ContentTypeLine(o.code_page), "<title>",       name};
  const Lines style = MakeStyleBlock(o.frames);
  page.insert(page.end(), style.begin(), style.end());
  page.push_back("<body class=\"b\"><a id=\"top\" name=\"top\"></a><span class=\"style5\">" + name +
                 "</span><br />");
  if (o.date) {
    page.push_back("<br /><b>" + w.date + ": </b>" + LineAt(SectionReader(reading, "DATETIME"), 0) +
                   "<br />");
  }
  const std::string person = LineAt(SectionReader(reading, "PERSON"), 0);
  if (o.name && !person.empty()) {
    page.push_back("<br /><b>" + w.name + ": " + person + "</b><br />");
  }
  const Lines question = SectionReader(reading, "QUESTION");
  if (o.question && !question.empty()) {
    page.push_back("<br /><b>" + w.question + ":</b><br /><br /><div class=\"que\">");
    page.insert(page.end(), question.begin(), question.end());
    page.push_back("</div>");
  }
  page.push_back("<br />");

  const int count = StrToInt(LineAt(SectionReader(reading, "CARDS"), 0));
  page.push_back("<hr /><div id=\"B\" style=\"height:" + std::to_string(5 * deepest + 290) +
                 "px;\">");
  auto picture = [&](int i) {
    return PictureReference(
        CardPicturePath(in.deck_folder, LineAt(mirrors, i), LineAt(fortune, i)));
  };
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i + 1);
    const CardPlace place = ParsePosition(LineAt(positions, i));
    page.push_back(
        "<div id=\"C\" align=\"center\" style=\"left:" + std::to_string(ScaleLeft(place.left) - 5) +
        "px; top:" + std::to_string(5LL * place.top - 5) + "px\">");
    if (o.numbers) page.push_back("<span class=\"cp\">" + n + "</span><br />");
    page.push_back("<a href=\"#a" + n + "\">");
    page.push_back(ImageTag(picture(i)) + "</a>");
    if (o.titles) {
      page.push_back("<span class=\"cn\">" + title_of(LineAt(fortune, i)) +
                     "</span><br /><span class=\"cpos\">" + LineAt(labels, i) + "</span>");
    }
    page.push_back("</div>");
  }
  page.push_back("</div><hr />");

  if (o.meanings) {
    page.push_back("<br /><strong>" + w.spread + ":</strong><br /><br /><span class=\"cp0\">");
    for (int i = 0; i < count; ++i) {
      const std::string n = std::to_string(i + 1);
      page.push_back("<a href=\"#a" + n + "\" class=\"CL\">" + w.card + " " + n +
                     "</a>: " + LineAt(meanings, i) + "<br />");
    }
    page.push_back("</span>");
  }

  if (o.reading) {
    page.push_back("<p><strong>" + w.reading + ":</strong></p>");
    for (int i = 0; i < count; ++i) {
      const std::string n = std::to_string(i + 1);
      const std::string& card = LineAt(fortune, i);
      const std::string& label = LineAt(labels, i);
      const std::string open = label.empty() ? "" : "(";
      const std::string close = label.empty() ? "" : ")";
      page.push_back(
          "<div class=\"border\"><table width=\"99%\" border=\"0\" cellspacing=\"0\" "
          "cellpadding=\"4\">");
      page.push_back("<tr><td colspan=\"2\"><span class=\"cp\"><a id=\"a" + n + "\" name=\"a" + n +
                     "\"></a>" + w.card + " " + n + ": " + LineAt(meanings, i) +
                     "</span></td></tr>");
      page.push_back("<tr><td colspan=\"2\"><span class=\"tn\">" + title_of(card) +
                     "<span class=\"cpos\"> " + open + label + close + "</span></span></td></tr>");
      page.push_back(std::string("<tr><td width=\"") + kCardPictureWidth + "\" valign=\"top\">" +
                     ImageTag(picture(i)) + "</td><td valign=\"top\" width=\"100%\">");
      page.push_back("<div class=\"des\">");
      const Lines text = describe(DescriptionSectionName(card, LineAt(mirrors, i)));
      page.insert(page.end(), text.begin(), text.end());
      page.push_back("</div></td></tr><tr><td><a href=\"#top\" class=\"v\">" + w.back +
                     "</a></td><td></td></tr></table></div><br />");
    }
    const Lines comments = SectionReader(reading, "COMMENTS");
    page.insert(page.end(), comments.begin(), comments.end());
  }
  page.push_back("<br /></body></html>");
  return rendered;
}

}  // namespace sibylon
