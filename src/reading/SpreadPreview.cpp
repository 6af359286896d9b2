#include "reading/SpreadPreview.h"

#include "reading/RenderReading.h"

namespace sibylon {

Lines SpreadPreviewPage(std::string_view spread_name, const Lines& description,
                        std::string_view code_page) {
  const std::string name(spread_name);
  Lines page = {
      XhtmlDoctypeLine(),
      XhtmlHtmlLine(),
      "<head>",
      ContentTypeLine(code_page),
      "<title>" + name + "</title>",
      "</head>",
      "<body style=\"font-size:12px;font-family:Verdana, Arial, Helvetica, sans-serif\">",
      "<span style=\"font-family:arial,verdana;font-size:16px;color:#3366cc;font-weight:bold\">" +
          name + "</span><br /><br />",
  };
  page.insert(page.end(), description.begin(), description.end());
  page.push_back("</body></html>");
  return page;
}

}  // namespace sibylon
