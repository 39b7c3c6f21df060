// Every test program starts in a private environment: its own HOME and XDG
// folders (so no test touches a real user's settings or bookmarks), the
// C.UTF-8 locale, the offscreen platform, and the source and content folders.
#pragma once

void SetUpTestEnvironment();
