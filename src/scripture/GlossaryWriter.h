// Builds glossary files (Gloss.dbx) from plain values: a term line and a
// meaning line per term, line i enciphered with index i.
#pragma once

#include "data/TextUtils.h"
#include "scripture/GlossaryHelper.h"

#include <string>
#include <vector>

// The plain term line: "<<T:" Term ">>|<<O:" AlternateSpellings ">>", then
// "|<<JQ:" TranslationSpelling ">>" when there is one, then "[P]" when
// Marked. ETxError when a value cannot be stored so that it reads back the
// same (a line break, "<<", ">>" or "[P]" in it).
std::string GlossaryTermLine(const TGlossaryTerm& Entry);
// Term line and meaning line of every term, in order. ETxError as above,
// and for a meaning with a line break or "<<T:".
TStringList GlossaryPlainLines(const std::vector<TGlossaryTerm>& Terms);
// Any plain lines enciphered as the loader reads them, each ended by CR LF.
std::string EncipherGlossaryLines(const TStringList& PlainLines);
std::string GlossaryFileText(const std::vector<TGlossaryTerm>& Terms);
// Writes the file (replacing it whole) and returns its fingerprint, the
// value the glossary module expects; empty when it cannot be written.
std::string WriteGlossaryFile(const std::string& FileName, const std::vector<TGlossaryTerm>& Terms);
