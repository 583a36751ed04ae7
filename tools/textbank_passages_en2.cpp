// More reading passages in English: art history, language, marine biology.
#include "textbank.h"

namespace sample {

QList<PassageItem> moreEnglishPassages()
{
    return {
        {"For much of the twentieth century, art historians regarded {painter} as a minor figure: a "
         "skilled painter of harbour scenes whose pictures hung in provincial museums and rarely "
         "travelled. The few critics who wrote about the work praised its calm and its careful "
         "drawing, and then moved on. Its colour, in particular, struck most observers as dull. The "
         "skies were grey-green, the water a muddy olive, and the well-known *Boats at Dawn* seemed "
         "to have been painted on a morning when the dawn never quite arrived.\n"
         "That judgement began to change in {year}, when conservators cleaning *Boats at Dawn* found "
         "that the grey-green of the sky was not the colour the painter had chosen. Beneath a layer "
         "of discoloured varnish, and mixed into the paint itself, was a blue pigment that had faded "
         "unevenly over the decades. Chemical analysis showed that it was an inexpensive synthetic "
         "blue that was popular for a short period and was later abandoned precisely because it lost "
         "its brilliance in strong light.\n"
         "The discovery raised an uncomfortable question. If the colours that critics had found dull "
         "were in part the product of chemistry rather than of the painter's choices, how much of the "
         "painter's reputation rested on a misunderstanding? Digital reconstructions based on the "
         "analysis suggest that the original skies were a clear, cold blue, and that the pictures as "
         "first exhibited were far more striking than their present state implies. Letters from the "
         "period offer some support: one visitor to an early exhibition described the harbour "
         "scenes as “almost too bright to look at.”\n"
         "Not all historians are persuaded that the reconstructions should change our judgement. "
         "Some argue that a reputation must rest on the works as they exist, not as they might once "
         "have looked; others warn that reconstructions, however careful, involve guesses about how "
         "a faded pigment was mixed and applied. Still, the case has prompted museums to re-examine "
         "other paintings from the same decades, and several have already found the same "
         "unreliable blue.",
         {{"The passage is primarily concerned with",
           "the way in which a technical discovery has challenged a long-standing judgement of an "
           "artist's work",
           {"the history of synthetic pigments in the nineteenth century",
            "the methods that conservators use to remove varnish",
            "a comparison of harbour scenes by several painters",
            "the reasons why provincial museums rarely lend their pictures"}},
          {"According to the passage, the blue pigment found in *Boats at Dawn*",
           "was abandoned by painters because it faded in strong light",
           {"was more expensive than other blues of the period", "was added by a later restorer",
            "has kept its original brilliance", "was used only by this painter"}},
          {"The letter quoted in the third paragraph is mentioned in order to",
           "provide evidence that the paintings once looked brighter than they do now",
           {"show that the painter was popular with critics",
            "suggest that the exhibition was poorly lit",
            "question the accuracy of the digital reconstructions",
            "explain why the painter stopped painting harbour scenes"}},
          {"Which of the following best describes the position of the historians mentioned in the "
           "last paragraph?",
           "They doubt that evidence about the paintings' original appearance should change how the "
           "painter is judged.",
           {"They believe the painter deliberately chose dull colours.",
            "They reject the results of the chemical analysis.",
            "They argue that all faded paintings should be repainted.",
            "They think the painter's drawing was careless."}},
          {"It can be inferred from the passage that other museums have re-examined paintings "
           "because they",
           "suspect that the same pigment may have altered the appearance of other works from the "
           "period",
           {"want to sell paintings that have faded",
            "have found letters describing bright pictures",
            "plan to exhibit the digital reconstructions", "no longer trust chemical analysis"}}}},

        {"Studies of immigrant families in many countries have found a strikingly regular pattern. "
         "The first generation, born abroad, speaks the language of its homeland at home and learns "
         "the new country's language with varying success. Their children, raised in the new "
         "country, are usually bilingual, but they tend to prefer the new language, especially "
         "outside the home. By the third generation, most grandchildren understand only a few words "
         "of the language their grandparents spoke. Linguists refer to this as the "
         "**three-generation pattern** of language shift.\n"
         "The pattern is not inevitable. In communities where speakers of a language are numerous, "
         "live close together, and keep schools, newspapers, and places of worship in that language, "
         "it can survive for many generations. A survey of families in {city} by {name} found that "
         "children who attended weekend language classes were more than twice as likely as others to "
         "use the family language with their grandparents. The survey could not show, however, "
         "whether the classes themselves made the difference or whether families who sent their "
         "children to the classes were already more committed to the language.\n"
         "Recent changes may also weaken the pattern. Inexpensive video calls allow children to "
         "speak daily with relatives abroad, and online films and music make the family language "
         "part of ordinary entertainment rather than a duty. Whether such contact will be enough to "
         "reverse the shift remains uncertain; some researchers suspect that a language used mainly "
         "for watching and listening, rather than for speaking, will still fade within a generation "
         "or two.",
         {{"The primary purpose of the passage is to",
           "describe a common pattern of language loss and discuss factors that may alter it",
           {"argue that immigrants should speak only the language of their new country",
            "explain how children learn two languages at once",
            "compare the languages spoken in several countries",
            "praise the work of weekend language schools"}},
          {"According to the passage, second-generation children typically",
           "speak both languages but tend to prefer the language of the new country",
           {"speak only the language of their parents' homeland",
            "understand only a few words of the family language",
            "refuse to speak with their grandparents",
            "learn the new language with great difficulty"}},
          {"The author mentions that the survey could not show whether the classes made the "
           "difference in order to",
           "point out a limitation in the evidence about weekend language classes",
           {"suggest that weekend classes are harmful", "show that the survey was badly designed",
            "argue that families are not committed to their languages",
            "explain why video calls are popular"}},
          {"The researchers mentioned in the last paragraph would most likely agree that",
           "hearing a language regularly may not be enough to keep it in use",
           {"video calls will soon reverse the three-generation pattern",
            "online films are more useful than weekend classes",
            "children no longer speak with relatives abroad",
            "the three-generation pattern has never been observed"}},
          {"Which of the following, if true, would most strengthen the view that weekend classes "
           "themselves help preserve a family language?",
           "Children given places in weekend classes by lottery later used the family language "
           "more often than applicants who were not selected.",
           {"Most weekend classes are held in community centres.",
            "Families who send children to weekend classes often own many books in the family "
            "language.",
            "Some children who attend weekend classes dislike them.",
            "Weekend classes are more common in large cities than in small towns."}}}},

        {"When the larvae of reef fish hatch, they drift away from the reef into open water, where "
         "they spend several weeks feeding and growing. To survive, they must then find a reef on "
         "which to settle, often one several kilometres away. How such small creatures locate a reef "
         "in the open ocean was long a mystery.\n"
         "Experiments led by {name} suggest that sound plays a part. A healthy reef is a noisy place, "
         "full of the clicks of shrimp and the grunts and pops of fish. When underwater speakers "
         "played recordings of reef noise over patches of empty sand, far more young fish settled "
         "near the speakers than near silent patches. Recordings of degraded reefs, which are much "
         "quieter, attracted far fewer.\n"
         "The finding has an encouraging side and a worrying one. Playing the sounds of a healthy "
         "reef might help to restore damaged reefs by drawing young fish to them. But the same "
         "experiments imply that a reef in decline becomes less able to attract the very fish it "
         "needs in order to recover, and that noise from ships may mask the signals on which the "
         "larvae depend.",
         {{"The passage is primarily concerned with",
           "research on how young fish may find reefs and what it implies for reef recovery",
           {"the diet of fish larvae in open water", "the causes of damage to coral reefs",
            "the design of underwater speakers", "the sounds made by shrimp"}},
          {"According to the passage, recordings of degraded reefs",
           "attracted fewer young fish than recordings of healthy reefs",
           {"attracted more young fish than silent patches of sand",
            "were louder than healthy reefs", "drove adult fish away from healthy reefs",
            "were not used in the experiments"}},
          {"The author calls one side of the finding worrying because it suggests that",
           "damaged reefs may struggle to attract the fish they need to recover",
           {"young fish cannot hear in open water", "speakers harm the fish that hear them",
            "healthy reefs are becoming quieter", "fish larvae no longer drift away from reefs"}},
          {"It can be inferred that noise from ships is a concern because it could",
           "make it harder for larvae to hear the sounds of reefs",
           {"attract too many fish to a single reef", "damage the coral directly",
            "make reefs louder than they should be", "frighten adult fish away from their reefs"}},
          {"Which of the following best describes the organisation of the passage?",
           "A question is posed, evidence bearing on it is described, and the consequences of that "
           "evidence are considered.",
           {"Two theories are compared and one is rejected.",
            "A traditional view is defended against recent criticism.",
            "A problem is described and a single solution is recommended.",
            "Several unrelated findings are listed in order of importance."}}}},
    };
}

} // namespace sample
