#pragma once

class QLineEdit;

namespace cssbinder {

// Makes the say field keep no more of an edit than the chat shows of a message (counted in bytes of
// the bound text, not in characters), so that what the field shows is all that is bound and said.
void LimitSayField(QLineEdit& field);

} // namespace cssbinder
