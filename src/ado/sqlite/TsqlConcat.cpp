#include "ado/sqlite/TsqlConcat.h"

#include "ado/sqlite/TsqlErrors.h"

namespace promocionesQEX::sqlite {
namespace {

enum class Type { Unknown, Text, Number };

// Words that end an operand instead of being one.
bool ends_operand(Keyword k) {
  switch (k) {
    case Keyword::Select:
    case Keyword::From:
    case Keyword::Where:
    case Keyword::And:
    case Keyword::Or:
    case Keyword::Not:
    case Keyword::Between:
    case Keyword::Like:
    case Keyword::In:
    case Keyword::Is:
    case Keyword::As:
    case Keyword::On:
    case Keyword::Join:
    case Keyword::Inner:
    case Keyword::Left:
    case Keyword::Right:
    case Keyword::Full:
    case Keyword::Outer:
    case Keyword::Cross:
    case Keyword::Group:
    case Keyword::Order:
    case Keyword::By:
    case Keyword::Having:
    case Keyword::Union:
    case Keyword::All:
    case Keyword::Distinct:
    case Keyword::Top:
    case Keyword::Asc:
    case Keyword::Desc:
    case Keyword::Insert:
    case Keyword::Into:
    case Keyword::Values:
    case Keyword::Update:
    case Keyword::Set:
    case Keyword::Delete:
    case Keyword::When:
    case Keyword::Then:
    case Keyword::Else:
    case Keyword::End:
    case Keyword::Escape:
    case Keyword::Collate:
    case Keyword::Exists:
    case Keyword::Except:
    case Keyword::Intersect:
    case Keyword::With:
    case Keyword::Limit:
    case Keyword::Offset:
      return true;
    default:
      return false;
  }
}

Type function_type(Keyword k) {
  switch (k) {
    case Keyword::Ltrim:
    case Keyword::Rtrim:
    case Keyword::Trim:
    case Keyword::Str:
    case Keyword::Upper:
    case Keyword::Lower:
    case Keyword::Substring:
    case Keyword::Substr:
    case Keyword::Left:
    case Keyword::Right:
    case Keyword::Replace:
    case Keyword::Replicate:
    case Keyword::Space:
    case Keyword::Char:
    case Keyword::Nchar:
    case Keyword::Concat:
    case Keyword::Reverse:
    case Keyword::Stuff:
    case Keyword::Quotename:
      return Type::Text;
    case Keyword::Len:
    case Keyword::Datalength:
    case Keyword::Datepart:
    case Keyword::Datediff:
    case Keyword::Patindex:
    case Keyword::Charindex:
    case Keyword::Count:
    case Keyword::Sum:
    case Keyword::Avg:
    case Keyword::Abs:
    case Keyword::Round:
    case Keyword::Floor:
    case Keyword::Ceiling:
    case Keyword::Year:
    case Keyword::Month:
    case Keyword::Day:
    case Keyword::Ascii:
    case Keyword::Unicode:
    case Keyword::Sign:
    case Keyword::Power:
    case Keyword::Sqrt:
      return Type::Number;
    default:
      return Type::Unknown;
  }
}

Type function_type(const Token& name) {
  return name.kind == Token::Kind::Word ? function_type(name.keyword)
                                        : Type::Unknown;
}

// What closes a group: its ")" or the END of a CASE.
enum class Closing { None, Parenthesis, End };

// A recursive walk over the significant tokens: expressions are chains of
// terms joined by '+'/'-', terms are operands joined by '*', '/', '%'.
//
// Every statement the library sends holds a '+' (its weekday condition), so
// the walk does not start at the first token: for each '+'/'-' it starts at
// the nearest point before it where no chain can be open, and reads on only
// to the end of that operator's chain.
class ConcatPass {
 public:
  ConcatPass(std::vector<Token>& tokens, const std::vector<std::size_t>& sig)
      : tokens_(tokens), sig_(sig) {}

  void run() {
    std::size_t read_to = 0;  // the operators before this have been read
    for (std::size_t k = 0; k < sig_.size(); ++k) {
      if (k < read_to || !joins_terms(at(k))) continue;
      p_ = chain_free_point(k);
      while (p_ <= k) read_next();
      read_to = p_;
    }
    // Marked only now: a group read again for a later operator must see its
    // '+' as they were, or it would lose its type.
    for (Token* plus : text_pluses_) {
      plus->text = "||";
      plus->symbol = '\0';  // no longer reads as '+'
    }
  }

 private:
  const Token& at(std::size_t position) const {
    return tokens_[sig_[position]];
  }
  const Token* peek(std::size_t ahead = 0) const {
    return p_ + ahead < sig_.size() ? &at(p_ + ahead) : nullptr;
  }
  bool next_is_symbol(char s, std::size_t ahead = 0) const {
    const Token* t = peek(ahead);
    return t && t->is_symbol(s);
  }

  static bool joins_terms(const Token& t) {
    return t.is_symbol('+') || t.is_symbol('-');
  }

  // A position at or before the operator at `k` where the walk from the
  // first token would be between chains at the operator's depth: just after
  // a token no chain holds, after the '(' or CASE the operator is in, or
  // the first token. CASE .. END blocks before the operator are passed over
  // whole, since a chain may go on after their END.
  std::size_t chain_free_point(std::size_t k) const {
    const int depth = at(k).depth;
    int ends = 0;  // END tokens passed whose CASE is still to come
    for (std::size_t i = k; i-- > 0;) {
      const Token& t = at(i);
      if (t.depth > depth) continue;
      if (t.depth < depth) return i + 1;  // the '(' around the operator
      if (i > 0 && at(i - 1).is_symbol('.')) continue;  // part of a name
      if (t.is(Keyword::End)) {
        ++ends;
      } else if (t.is(Keyword::Case)) {
        if (ends == 0) return i + 1;  // the operator is inside this CASE
        --ends;
      } else if (ends == 0 && separates_chains(i)) {
        return i + 1;
      }
    }
    return 0;
  }

  // Whether the token at `position` can be no part of a chain: neither an
  // operand's first token nor one a chain reads after it ('*', '/', '%', the
  // '.' of a name, a closing ')').
  bool separates_chains(std::size_t position) const {
    if (starts_operand_at(position)) return false;
    const Token& t = at(position);
    return !(t.is_symbol('*') || t.is_symbol('/') || t.is_symbol('%') ||
             t.is_symbol('.') || t.is_symbol(')'));
  }

  // One step of a sequence: a chain, or a token between chains.
  void read_next() {
    if (starts_operand()) {
      chain();
    } else {
      ++p_;
    }
  }

  bool starts_operand() const {
    return p_ < sig_.size() && starts_operand_at(p_);
  }

  bool starts_operand_at(std::size_t position) const {
    const Token& t = at(position);
    switch (t.kind) {
      case Token::Kind::String:
      case Token::Kind::Number:
      case Token::Kind::QuotedName:
      case Token::Kind::Variable:
        return true;
      case Token::Kind::Word:
        // LEFT and RIGHT are functions too: LEFT(x, 2) + 'a'.
        return !ends_operand(t.keyword) ||
               ((t.keyword == Keyword::Left || t.keyword == Keyword::Right) &&
                position + 1 < sig_.size() && at(position + 1).is_symbol('('));
      case Token::Kind::Symbol:
        return t.is_symbol('(') || t.is_symbol('+') || t.is_symbol('-');
      default:
        return false;
    }
  }

  bool closes(const Token& t, Closing closing) const {
    switch (closing) {
      case Closing::Parenthesis:
        return t.is_symbol(')');
      case Closing::End:
        return t.is(Keyword::End);
      default:
        return false;
    }
  }

  // Expressions and the tokens between them up to the closing token (")" or
  // END) or the end; the type of the whole when it is one expression.
  Type sequence(Closing closing) {
    int expressions = 0;
    bool other_tokens = false;
    Type type = Type::Unknown;
    while (const Token* t = peek()) {
      if (closes(*t, closing)) break;
      if (starts_operand()) {
        type = chain();
        ++expressions;
      } else {
        other_tokens = true;
        ++p_;
      }
    }
    return expressions == 1 && !other_tokens ? type : Type::Unknown;
  }

  Type chain() {
    // This chain's '+' tokens go on top of pluses_, above those of the
    // chains it is nested in, and come off when it is done.
    const std::size_t first_plus = pluses_.size();
    std::size_t terms = 0;
    bool text = false;
    bool number = false;
    bool minus = false;
    bool arithmetic = false;
    while (true) {
      const Type type = term(arithmetic);
      ++terms;
      text = text || type == Type::Text;
      number = number || type == Type::Number;
      if (!(next_is_symbol('+') || next_is_symbol('-')) ||
          !starts_operand_after_operator()) {
        break;
      }
      if (peek()->is_symbol('+')) {
        pluses_.push_back(&tokens_[sig_[p_]]);
      } else {
        minus = true;
      }
      ++p_;
    }
    const Type result = chain_type(terms, text, number, minus || arithmetic);
    if (result == Type::Text) {
      text_pluses_.insert(text_pluses_.end(), pluses_.begin() + first_plus,
                          pluses_.end());
    }
    pluses_.resize(first_plus);
    return result;
  }

  // The type of a chain of `terms`; throws where a text meets a number.
  static Type chain_type(std::size_t terms, bool text, bool number,
                         bool arithmetic) {
    if (!text) return number ? Type::Number : Type::Unknown;
    if (terms == 1) return Type::Text;
    if (arithmetic || number) {
      throw dialect_error(
          "An expression adds a number to a text with '+' (or mixes text with "
          "'-', '*' or '/'); SQL Server would try to convert the text to a "
          "number. Write the number as text or convert it with STR.");
    }
    return Type::Text;
  }

  // Whether the token after a '+'/'-' at p_ can begin an operand.
  bool starts_operand_after_operator() {
    ++p_;
    const bool ok = starts_operand();
    --p_;
    return ok;
  }

  // Operands joined by '*', '/', '%', each with optional signs in front.
  Type term(bool& arithmetic) {
    Type type = signed_operand();
    while (
        (next_is_symbol('*') || next_is_symbol('/') || next_is_symbol('%')) &&
        starts_operand_after_operator()) {
      ++p_;
      signed_operand();
      arithmetic = true;
      type = Type::Number;
    }
    return type;
  }

  Type signed_operand() {
    bool sign = false;
    while (next_is_symbol('+') || next_is_symbol('-')) {
      sign = true;
      ++p_;
    }
    const Type type = operand();
    return sign && type != Type::Number ? Type::Unknown : type;
  }

  Type operand() {
    if (!starts_operand()) return Type::Unknown;  // a sign before nothing
    const Token& t = *peek();
    ++p_;
    switch (t.kind) {
      case Token::Kind::String:
        return Type::Text;
      case Token::Kind::Number:
        return Type::Number;
      case Token::Kind::Symbol:  // '('
        return group(Closing::Parenthesis);
      default:
        break;
    }
    if (t.is(Keyword::Case)) {
      group(Closing::End);
      return Type::Unknown;
    }
    const Token* name = &t;
    while (next_is_symbol('.') && peek(1) &&
           peek(1)->kind != Token::Kind::Symbol) {
      name = peek(1);
      p_ += 2;
    }
    if (next_is_symbol('(')) {
      ++p_;
      group(Closing::Parenthesis);
      return function_type(*name);
    }
    return Type::Unknown;
  }

  // The inside of ( ) or CASE ... END, and its closing token.
  Type group(Closing closing) {
    const Type type = sequence(closing);
    if (peek()) ++p_;
    return type;
  }

  std::vector<Token>& tokens_;
  const std::vector<std::size_t>& sig_;
  std::vector<Token*> pluses_;       // the '+' of the open chains
  std::vector<Token*> text_pluses_;  // the '+' to write as '||'
  std::size_t p_ = 0;
};

}  // namespace

void rewrite_string_concatenation(TokenizedText& text) {
  // Only '+' and '-' join the terms of a chain, so without either the walk
  // would neither rewrite nor refuse anything.
  if (text.holds_symbol('+') || text.holds_symbol('-')) {
    ConcatPass(text.tokens, text.significant).run();
  }
}

}  // namespace promocionesQEX::sqlite
