#include "explain/LevelWinner.h"

#include <algorithm>
#include <cctype>

namespace promocionesQEX::explain {
namespace {

// Folios are keys: compared as the store's key collation does, without
// case and trailing spaces. Used for the wording only; the order itself
// came from the database.
bool same_key(std::string a, std::string b) {
  auto fold = [](std::string& s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    for (char& c : s) c = static_cast<char>(std::tolower((unsigned char)c));
  };
  fold(a);
  fold(b);
  return a == b;
}

std::string tie_break(const Candidate& winner, const Candidate& next,
                      std::size_t meeting, const StoredRows& rows,
                      std::string_view second_key) {
  const std::string count = std::to_string(meeting);
  if (!same_key(winner.shown.Folio, next.shown.Folio))
    return "de los " + count +
           " que cumplen en ese nivel gana el folio mayor (" +
           winner.shown.Folio + " sobre " + next.shown.Folio + ")";
  const std::string mine = shown(rows.at(winner.row, second_key));
  const std::string theirs = shown(rows.at(next.row, second_key));
  if (mine != theirs)
    return "de los " + count +
           " que cumplen en ese nivel, con el mismo folio " +
           winner.shown.Folio + ", gana el mayor " + std::string(second_key) +
           " (" + mine + " sobre " + theirs + ")";
  return "de los " + count + " que cumplen en ese nivel, " +
         "empatados en folio y " + std::string(second_key) +
         ", la base de datos da primero este renglón";
}

}  // namespace

std::optional<LevelWinner> first_level_winner(
    const std::vector<Candidate>& candidates, const StoredRows& rows,
    const lookup::ScopeCodes& codes, std::string_view second_key) {
  std::string passed;  // the levels tried without a row
  for (int level = 0; level < static_cast<int>(codes.size()); ++level) {
    std::vector<std::size_t> meeting;
    for (std::size_t i = 0; i < candidates.size(); ++i)
      if (candidates[i].shown.Cumple && candidates[i].level == level)
        meeting.push_back(i);
    if (meeting.empty()) {
      passed += (passed.empty() ? "" : ", ") + std::string(codes[level]);
      continue;
    }
    const Candidate& winner = candidates[meeting.front()];
    LevelWinner w{meeting.front(), "nivel " + std::string(codes[level])};
    w.razon += passed.empty()
                   ? ", el primero que se busca"
                   : " (sin renglones que cumplan en " + passed + ")";
    w.razon += meeting.size() == 1
                   ? "; es el único que cumple en ese nivel"
                   : "; " + tie_break(winner, candidates[meeting[1]],
                                      meeting.size(), rows, second_key);
    return w;
  }
  return std::nullopt;
}

void conclude_level_search(
    tExplicacion& e, const Customer& customer,
    std::vector<Candidate>& candidates, const StoredRows& rows,
    std::string_view second_key, const std::string& key,
    const std::function<void(const LevelWinner&, Candidate&)>& answer) {
  show_customer(customer, e);
  if (customer.failure) {
    e.Resumen = "La consulta falla al leer el cliente: " + e.Error;
  } else if (!customer.levels) {
    e.Resumen = "Sin promoción: " + customer.unavailable + ".";
  } else if (const auto w = first_level_winner(
                 candidates, rows, lookup::kPromotionScopeCodes, second_key)) {
    answer(*w, candidates[w->candidate]);
  } else {
    e.Resumen = "Sin promoción: ningún renglón cumple todas las condiciones.";
  }
  tGrupoExplicado& group = e.Grupos.emplace_back();
  group.Clave = key;
  for (Candidate& c : candidates)
    group.Candidatos.push_back(std::move(c.shown));
}

}  // namespace promocionesQEX::explain
