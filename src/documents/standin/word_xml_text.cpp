#include "documents/standin/word_xml_text.h"

#include <pugixml.hpp>

#include <array>
#include <string_view>

namespace lexiglean {
namespace {

constexpr std::array kWordNamespaces = {
    std::string_view("http://schemas.openxmlformats.org/wordprocessingml/2006/main"),
    std::string_view("http://purl.oclc.org/ooxml/wordprocessingml/main"),  // strict
};
constexpr std::string_view kCompatibilityNamespace = "http://schemas.openxmlformats.org/markup-compatibility/2006";

// The prefix the document element binds to a namespace ("w" and "mc" by custom), with its colon.
std::string PrefixOf(pugi::xml_node root, std::string_view fallback, auto matches) {
  for (const pugi::xml_attribute attribute : root.attributes()) {
    const std::string_view name = attribute.name();
    if (!matches(std::string_view(attribute.value()))) continue;
    if (name == "xmlns") return {};
    if (name.starts_with("xmlns:")) return std::string(name.substr(6)) + ':';
  }
  return std::string(fallback) + ':';
}

enum class Element { Paragraph, Text, Tab, LineBreak, Hyphen, Skipped, Other };

bool IsPropertyName(std::string_view local) {
  return local.ends_with("Pr") || local.ends_with("PrEx") || local.ends_with("PrChange");
}

class WordTextWriter {
 public:
  explicit WordTextWriter(pugi::xml_node root)
      : word_(PrefixOf(root, "w",
                       [](std::string_view uri) {
                         return uri == kWordNamespaces[0] || uri == kWordNamespaces[1];
                       })),
        fallback_(PrefixOf(root, "mc", [](std::string_view uri) { return uri == kCompatibilityNamespace; }) +
                  "Fallback") {}

  // Walks the tree without recursion, so deep nesting cannot exhaust the stack.
  std::string Write(pugi::xml_node root) {
    pugi::xml_node node = root.first_child();
    while (node) {
      if (Enter(node) && node.first_child()) {
        node = node.first_child();
        continue;
      }
      for (;;) {
        Leave(node);
        if (node.next_sibling()) {
          node = node.next_sibling();
          break;
        }
        node = node.parent();
        if (node == root) return std::move(text_);
      }
    }
    return std::move(text_);
  }

 private:
  Element Classify(pugi::xml_node node) const {
    const std::string_view name = node.name();
    if (name == fallback_) return Element::Skipped;  // repeats its mc:Choice
    if (!name.starts_with(word_)) return Element::Other;
    const std::string_view local = name.substr(word_.size());
    if (local == "p") return Element::Paragraph;
    if (local == "t") return Element::Text;
    if (local == "tab" || local == "ptab") return Element::Tab;
    if (local == "br" || local == "cr") return Element::LineBreak;
    if (local == "noBreakHyphen") return Element::Hyphen;
    if (local == "del" || local == "moveFrom" || local == "delText" || local == "instrText" ||
        local == "delInstrText" || IsPropertyName(local)) {
      return Element::Skipped;
    }
    return Element::Other;
  }

  // Writes what an element stands for; true when its children are to be visited.
  bool Enter(pugi::xml_node node) {
    if (node.type() != pugi::node_element) return false;
    switch (Classify(node)) {
      case Element::Text:
        AppendRunText(node);
        return false;
      case Element::Tab:
        text_ += '\t';
        return false;
      case Element::LineBreak:
        text_ += "\r\n";
        return false;
      case Element::Hyphen:
        text_ += '-';
        return false;
      case Element::Skipped:
        return false;
      case Element::Paragraph:
      case Element::Other:
        return true;
    }
    return true;
  }

  void Leave(pugi::xml_node node) {
    if (node.type() == pugi::node_element && Classify(node) == Element::Paragraph) text_ += "\r\n";
  }

  // Line ends inside a text element are shown as blanks; only paragraphs and breaks end lines.
  void AppendRunText(pugi::xml_node textElement) {
    for (const pugi::xml_node child : textElement.children()) {
      if (child.type() != pugi::node_pcdata && child.type() != pugi::node_cdata) continue;
      for (const char* c = child.value(); *c != '\0'; ++c) {
        text_ += (*c == '\r' || *c == '\n') ? ' ' : *c;
      }
    }
  }

  std::string word_;
  std::string fallback_;
  std::string text_;
};

}  // namespace

std::optional<std::string> WordXmlToText(std::string xml) {
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer_inplace(
      xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_auto);
  if (!parsed) return std::nullopt;
  const pugi::xml_node root = document.document_element();
  if (!root) return std::nullopt;
  return WordTextWriter(root).Write(root);
}

}  // namespace lexiglean
