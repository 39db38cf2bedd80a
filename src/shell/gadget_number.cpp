#include "shell/gadget_number.h"

#include "platform/platform.h"
#include "shell/number_text.h"

double GadgetNumber(int gadget, int decimals) {
  return RoundD(TextNumber(pf::GetGadgetText(gadget), decimals), decimals);
}

double GadgetMoney(int gadget, int decimals) { return TextMoney(pf::GetGadgetText(gadget), decimals); }

std::string GadgetTextNoCommas(int gadget) { return TextNoCommas(pf::GetGadgetText(gadget)); }
