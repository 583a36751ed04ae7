// Sentence questions: a sentence with one underlined part and five ways to write it.
#include "textbank.h"

namespace sample {

const QList<ChoiceItem> &sentenceItems()
{
    static const QList<ChoiceItem> items = {
        {"Although the planning committee had reviewed more than two hundred proposals, {U} that "
         "none of them addressed the cost of long-term maintenance.",
         "its members concluded",
         {"the members of it concluded", "it was concluded by its members",
          "concluding by its members", "the members having concluded"}},
        {"The new bridge over the {river}, {U}, is expected to cut the commute between the two "
         "districts by nearly half.",
         "which engineers designed to withstand winds of up to 200 kilometers per hour",
         {"designed by engineers and it can withstand winds of up to 200 kilometers per hour",
          "engineers having designed it to withstand winds up to 200 kilometers per hour",
          "which engineers designed it to withstand winds of up to 200 kilometers per hour",
          "being designed by engineers for withstanding winds of up to 200 kilometers per hour"}},
        {"Unlike {U}, the coastal towns of the region rely almost entirely on fishing and seasonal "
         "tourism.",
         "the inland villages, which grow most of their own food",
         {"in the inland villages, where most of their own food is grown",
          "the inland villages, growing most of its own food",
          "the inland villages that grows most of their own food",
          "that of the inland villages, which grow most of their own food"}},
        {"Neither the museum's director nor its trustees {U} willing to comment on the sale of the "
         "painting.",
         "were",
         {"was", "has been", "is being", "having been"}},
        {"By the time the survey results were published, more than forty percent of the "
         "respondents {U} their jobs.",
         "had already changed",
         {"have already changed", "already changed", "were already changing",
          "would have already changed"}},
        {"The number of students enrolling in evening language courses in {city} {U} steadily since "
         "the city opened its second public library.",
         "has risen",
         {"have risen", "is rising", "rose", "have been rising"}},
        {"Researchers found that bees exposed to low levels of the pesticide were less able to find "
         "their way back to the hive {U}.",
         "than were bees that had not been exposed",
         {"than bees that had not been", "as bees not exposed",
          "compared to bees that had not been exposed to it",
          "than did bees, which had not been exposed"}},
        {"{U}, the start-up doubled its workforce in less than eighteen months.",
         "Having secured a second round of funding",
         {"Having been secured a second round of funding",
          "A second round of funding having secured it",
          "With the securing of a second round of funding being complete",
          "After it secured a second round of funding by it"}},
        {"The report recommends that every household in {city} {U} its water use during the dry "
         "months.",
         "reduce",
         {"reduces", "should be reducing", "will reduce", "reducing"}},
        {"Just as the printing press changed the way knowledge was shared in the fifteenth century, "
         "{U}.",
         "so the internet has changed the way it is shared today",
         {"the internet has also changed it in the same way today",
          "so too it has been changed today by the internet",
          "likewise the internet changing the way it is shared today",
          "the internet today is changing them similarly"}},
        {"Of the three candidates interviewed for the position, Ms. Zhao was {U}.",
         "the most experienced",
         {"the more experienced", "most experienced of them all", "more experienced than any",
          "experienced the most"}},
        {"The city council voted to expand the bicycle lanes, {U} the number of cycling accidents "
         "fell by a third within a year.",
         "and as a result",
         {"with the result of", "resulting in", "which resulted that", "so the result being that"}},
        {"Long before the invention of refrigeration, people preserved fish {U}.",
         "by salting, smoking, or drying it",
         {"by salting, smoking, or to dry it", "through salting it, smoking, or dried",
          "by salt, smoking, or drying them", "with salting, smoke, or by drying"}},
        {"The glaciers of the northern range are melting {U} scientists predicted only a decade "
         "ago.",
         "twice as fast as",
         {"two times faster as", "twice as fast than", "as twice fast as",
          "double the speed that"}},
        {"Each of the volunteers who joined the river clean-up last spring {U} a certificate from "
         "the mayor.",
         "received",
         {"have received", "were receiving", "receiving", "were given"}},
        {"In a study of more than three thousand households across six provinces, economists found "
         "that families who kept written budgets were significantly more likely to save part of "
         "their income each month, {U}, even when the researchers controlled for differences in "
         "income, age, and education.",
         "a pattern that held",
         {"and this pattern held", "which held as a pattern", "a pattern holding that",
          "that being a pattern that held"}},
        {"Such traditional crafts as paper cutting and embroidery {U} by a younger generation of "
         "designers who sell their work online.",
         "are being revived",
         {"is being revived", "are reviving", "have been reviving themselves", "revive"}},
        {"The novelist's early work, {U} praised by critics, sold poorly until it was adapted for "
         "television.",
         "although widely",
         {"despite being widely", "even though it was wide", "while wide",
          "though it had widely been"}},
        {"The average salary of nurses in rural clinics is lower than {U}.",
         "that of nurses in city hospitals",
         {"nurses in city hospitals", "city hospitals", "those of nurses in city hospitals",
          "the city hospital nurses' salary"}},
        {"If the dam {U} in 1998 as originally planned, the valley would not have flooded last "
         "summer.",
         "had been completed",
         {"was completed", "would have been completed", "has been completed", "were completed"}},
        {"The lantern festival in {city} attracts not only local families {U}.",
         "but also visitors from across the country",
         {"but visitors also from across the country", "and also visitors from across the country",
          "but also attracting visitors from across the country",
          "as well as it attracts visitors from across the country"}},
        {"Because the library's collection of rare maps had never been fully catalogued, the "
         "archivists who began the project in 2019 could not have known that {U}, some of which "
         "predate the founding of the city itself by more than a century.",
         "it contained more than four hundred hand-drawn charts",
         {"it contains more than four hundred hand-drawn charts",
          "there were contained more than four hundred hand-drawn charts",
          "more than four hundred hand-drawn charts being contained in it",
          "it would contain over four hundred of hand-drawn charts"}},
        {"Compared with last year, {U}.",
         "this year's harvest was smaller but of higher quality",
         {"the harvest this year was smaller but higher in its quality",
          "this year the harvest had less and better quality",
          "there was a smaller harvest this year, but it is of higher quality",
          "smaller but higher in quality was this year's harvest"}},
        {"Scientists at the {institute} have developed a coating for solar panels that repels dust, "
         "{U} the panels to produce up to twelve percent more electricity in desert conditions.",
         "allowing",
         {"and it allows", "which allow", "so that it allows for", "thus to allow"}},
        {"The *Northern Review*, a journal that has published poetry and essays since 1921, "
         "announced that {U} to a digital edition next spring.",
         "it would switch",
         {"they would switch", "it will have switched", "they had switched", "switching"}},
        {"Not until the late nineteenth century {U} to measure the depth of the ocean floor with "
         "any accuracy.",
         "were sailors able",
         {"sailors were able", "had sailors been able", "were sailors being able",
          "sailors had the ability"}},
    };
    return items;
}

} // namespace sample
