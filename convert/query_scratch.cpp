// SCRATCH ONLY (never committed): a tiny stand-in of the grammar for local testing.
#include <cstdlib>
#include <sstream>
#include "convert/categories.h"
#include "convert/query.h"
#include "convert/temperature_formula.h"
#include "numbers/number_text.h"
namespace convert {
namespace {
struct Name { std::string_view name; const Category* c; std::string_view caption; int unit; };
const Name kNames[] = {
  {"km", &kLength, "Length", 0}, {"m", &kLength, "Length", 1}, {"mi", &kLength, "Length", 8},
  {"ft", &kLength, "Length", 10}, {"in", &kLength, "Length", 11},
  {"kg", &kWeight, "Weight", 3}, {"g", &kWeight, "Weight", 4}, {"lb", &kWeight, "Weight", 8},
  {"degrees", &kAngle, "Angle", 2},
  {"C", nullptr, "Temperature", 0}, {"F", nullptr, "Temperature", 1}, {"K", nullptr, "Temperature", 2}};
const Name* Find(std::string_view w) { for (auto& n : kNames) if (n.name == w) return &n; return nullptr; }
}
std::variant<ParsedQuery, QueryRefusal> ParseQuery(std::string_view text) {
  std::istringstream in{std::string(text)}; std::vector<std::string> w; std::string s; while (in >> s) w.push_back(s);
  if (w.empty()) return QueryRefusal{QueryRefusal::Kind::NotAQuery, "", 0, 0};
  char* end = nullptr; double v = std::strtod(w[0].c_str(), &end);
  if (end == w[0].c_str()) return QueryRefusal{QueryRefusal::Kind::NotAQuery, "", 0, 0};
  if (*end) { w.insert(w.begin() + 1, std::string(end)); }
  if (w.size() < 2) return QueryRefusal{QueryRefusal::Kind::Refused, "no unit", 0, 0};
  const Name* u = Find(w[1]); if (!u) return QueryRefusal{QueryRefusal::Kind::Refused, "unknown", 0, 0};
  ParsedQuery q{u->caption, u->c, v, u->unit, {}, {}};
  std::size_t i = 2; if (i < w.size() && (w[i] == "to" || w[i] == "in")) ++i;
  for (; i < w.size(); ++i) { const Name* t = Find(w[i]); if (!t || t->caption != u->caption) return QueryRefusal{QueryRefusal::Kind::Refused, "t", 0, 0}; q.targets.push_back(t->unit); }
  return q;
}
std::vector<QueryAnswer> AnswerQuery(const ParsedQuery& q, int sci, int dec) {
  std::vector<QueryAnswer> out;
  if (!q.category) { auto r = TemperatureResults(q.value, q.unit); for (auto& x : *r) { if (!q.targets.empty() && x.unit != q.targets[0]) continue; out.push_back({x.unit, kTemperatureLabels[x.unit], FormatFixed(x.value, 3), x.value, x.formula}); } return out; }
  auto p = ConvertProducts(*q.category, q.value, q.unit);
  std::vector<int> units = q.targets; if (units.empty()) for (int k = 0; k < (int)p->size(); ++k) units.push_back(k);
  for (int k : units) out.push_back({k, q.category->labels[k], FormatProduct((*p)[k], sci, dec), (*p)[k], {}});
  return out;
}
}
