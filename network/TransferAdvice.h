#pragma once

#include <QString>

namespace Orv {

class HttpsExchange;

// What to do about a transfer that failed, in the style of the rows' fixes: one sentence naming who can act (the
// user, their IT, later), from the hop that failed. Empty when there is nothing to add (a success, a cancel).
QString TransferAdvice(const HttpsExchange& exchange);

} // namespace Orv
