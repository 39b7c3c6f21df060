// The pages of the main window, built in memory as HTML: the shared page
// head with its header table, the welcome page, a main document, the Active
// View's hadiths of one category and the page of one hadith. Every page is a
// list of lines, each followed by CR LF.
#pragma once

#include "app/HtmlHelpers.h"

#include <string>

// True while the preferences window is showing: page heads then take the
// scheme being tried (PreviewPrefs) instead of the saved one. The window sets
// and clears it.
extern bool PrefsWindowShowing;

// The scheme that colours page heads now: PreviewPrefs.ColorWordHL while the
// preferences window is showing, else AppPrefs.ColorWordHL.
int PageHeadScheme();

// The style sheet, body and the opened outer table with the header table in
// its first row; the outer table stays open for the page to close.
std::string BuildPageHead(const std::string& Title, const std::string& Info);
// The 494-pixel header table: Title in bold on the scheme's header picture,
// Info in a second row. Title and Info appear exactly as given.
std::string BuildHeaderTable(int Scheme, const std::string& Title, const std::string& Info);

std::string BuildWelcomePage();
// Index: position in MainDocManager; ETxError outside the registry.
std::string BuildMainDocPage(int Index);
// Category: the path of captions joined by ">" (a blank one lists every
// hadith). ETxError when there is no Active View.
std::string BuildCategoryPage(const std::string& Category);
// N: hadith number of the Active View. ETxError when there is no Active
// View or N is not one of its hadiths.
std::string BuildHadithPage(int N);

// Back to the start state (tests).
void ResetPageBuilderState();
