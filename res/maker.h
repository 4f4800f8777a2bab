/* The maker's addresses, in one place for a distributor to change. Read by the
   resource compiler (the About box shows them) and by C++. */
#pragma once

#include "product.h" /* beside it: the resource compiler reads it too */

#define TL_MAKER_WEB "https://example.com/"
#define TL_MAKER_MAIL "support@example.com"
#define TL_MAKER_MAIL_TARGET "mailto:" TL_MAKER_MAIL "?subject=Questions about " TL_PROGRAM_NAME
#define TL_MAKER_SUPPORT "https://example.com/tintlens/support"
#define TL_MAKER_UPDATE \
  "https://example.com/tintlens/update?app=" TL_PROGRAM_NAME "&version=" TL_VERSION
