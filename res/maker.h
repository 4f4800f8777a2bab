/* The maker's addresses, in one place for a distributor to change. Read by the
   resource compiler (the About box shows them) and by C++. */
#pragma once

#define TL_MAKER_WEB "https://example.com/"
#define TL_MAKER_MAIL "support@example.com"
#define TL_MAKER_MAIL_TARGET "mailto:" TL_MAKER_MAIL "?subject=Questions about Tintlens"
#define TL_MAKER_SUPPORT "https://example.com/tintlens/support"
#define TL_MAKER_UPDATE "https://example.com/tintlens/update?app=Tintlens&version=1.0"
