#include "form0.h"

Form0::Form0() : Form(QStringLiteral(":/layouts/form0.json")) {}
