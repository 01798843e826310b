#pragma once
// Reading the user guide docs/使用教程.html the way the tests check it. The guide marks what
// they check: <section data-window="ContractWindow"> for the part about one window,
// <img src="..."> for its pictures, <span class="menu">增加合同</span> for a menu entry,
// <span class="ui">保存</span> for the text of a unit (a button, a label, a window caption),
// and <table class="statement" data-method="倒扣法结算"> for a worked statement whose rows
// are the rows of the settlement grid.
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace guide {

// The guide in the source tree.
inline std::string GuidePath() { return std::string(RENT_SOURCE_DIR) + "/docs/使用教程.html"; }
// The folder that holds the guide and its pictures in the source tree.
inline std::string DocsFolder() { return std::string(RENT_SOURCE_DIR) + "/docs"; }

// The whole file, or "" when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The page without its comments, which may speak of the marks without being them.
inline std::string WithoutComments(std::string html) {
  for (size_t at = html.find("<!--"); at != std::string::npos; at = html.find("<!--", at)) {
    const size_t end = html.find("-->", at);
    html.erase(at, end == std::string::npos ? std::string::npos : end + 3 - at);
  }
  return html;
}

// The guide's page as the tests read it: the source file, comments left out.
inline std::string GuidePage() { return WithoutComments(ReadFile(GuidePath())); }

// The text that follows each `open` up to the next `close`, in page order.
inline std::vector<std::string> Between(std::string_view html, std::string_view open,
                                        std::string_view close) {
  std::vector<std::string> found;
  for (size_t at = html.find(open); at != std::string_view::npos; at = html.find(open, at)) {
    at += open.size();
    const size_t end = html.find(close, at);
    if (end == std::string_view::npos) break;
    found.emplace_back(html.substr(at, end - at));
    at = end + close.size();
  }
  return found;
}

// The text a browser shows for a piece of the page: tags dropped, entities decoded.
inline std::string Shown(std::string_view html) {
  static const std::pair<std::string_view, char> kEntities[] = {
      {"&nbsp;", ' '}, {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
  std::string out;
  for (size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const size_t end = html.find('>', i);
      i = end == std::string_view::npos ? html.size() : end + 1;
      continue;
    }
    bool decoded = false;
    for (const auto& [entity, c] : kEntities) {
      if (html.substr(i, entity.size()) == entity) {
        out += c;
        i += entity.size();
        decoded = true;
        break;
      }
    }
    if (!decoded) out += html[i++];
  }
  return out;
}

// The parts of the page marked <section data-window="name">, as (name, its html) pairs.
inline std::vector<std::pair<std::string, std::string>> WindowSections(std::string_view html) {
  std::vector<std::pair<std::string, std::string>> sections;
  for (const std::string& body : Between(html, "<section data-window=\"", "</section>")) {
    const size_t quote = body.find('"');
    sections.emplace_back(body.substr(0, quote), body.substr(quote + 1));
  }
  return sections;
}

// The rows of the worked statement of that method: per row the texts of its non-empty cells.
inline std::vector<std::vector<std::string>> StatementRows(std::string_view html,
                                                           const std::string& method) {
  const std::string open = "<table class=\"statement\" data-method=\"" + method + "\"";
  const std::vector<std::string> tables = Between(html, open, "</table>");
  std::vector<std::vector<std::string>> rows;
  if (tables.empty()) return rows;
  for (const std::string& tr : Between(tables[0], "<tr", "</tr>")) {
    std::vector<std::string> cells;
    for (size_t at = tr.find("<t"); at != std::string::npos; at = tr.find("<t", at + 2)) {
      if (tr.compare(at, 3, "<td") != 0 && tr.compare(at, 3, "<th") != 0) continue;
      const size_t start = tr.find('>', at) + 1;
      const size_t end = tr.find("</t", start);
      if (end == std::string::npos) break;
      std::string text = Shown(std::string_view(tr).substr(start, end - start));
      if (!text.empty()) cells.push_back(std::move(text));
      at = end;
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace guide
