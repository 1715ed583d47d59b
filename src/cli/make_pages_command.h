#pragma once
// `cardwise-cli make-pages [--long-names | --short-names] [--all-rounds] [--all-players]
// [--all-events] [--all-tours] [--publish]`: makes the whole web site from the data files and,
// with --publish, then publishes it as `cardwise-cli publish` does (not when a page could not
// be written: the target keeps its copy).
//
// The flags override the stored file-name form and update-all settings for this run only; the
// settings file is not rewritten. Lines of the data files that could not be read are listed on
// stderr as warnings. The summary (pages written, existing pages kept, templates copied, pages
// not written with the first few of them and why) goes to stdout.
//
// Exit status: 0 when every page was written (and published), 1 when some page could not be
// (or publishing failed), 2 for a wrong command line.

#include "cli/cli_context.h"

namespace cardwise {

int RunMakePages(CliContext& context);

}  // namespace cardwise
