// Reading passages in English, each with the questions a run of reading questions draws on.
#include "textbank.h"

namespace sample {

QList<PassageItem> englishPassages()
{
    return {
        {"On a still summer afternoon, the centre of a large city can be several degrees warmer than "
         "the farmland around it. This difference, known as the *urban heat island*, was first "
         "described in the early nineteenth century by amateur weather observers who noticed that "
         "thermometers in town consistently read higher than those in nearby fields. Today it is "
         "measured with networks of sensors and with satellites, and its causes are reasonably well "
         "understood: dark roofs and roads absorb sunlight and release the heat slowly after sunset, "
         "buildings block the wind, and the engines and air conditioners of millions of people add "
         "warmth of their own.\n"
         "For most of the twentieth century, city planners treated the heat island as a curiosity "
         "rather than a problem. That attitude changed as summers grew hotter and as public health "
         "researchers began to connect heat with illness. In a study of emergency-room visits in "
         "{city}, {name} found that on days when the temperature downtown exceeded 35°C, admissions "
         "for heat-related conditions rose far more sharply in the city's densest neighbourhoods "
         "than in its leafy suburbs, even after differences in age and income were taken into "
         "account. The finding suggested that the shape of the city itself, and not only the "
         "weather, was putting residents at risk.\n"
         "The most widely promoted remedy has been the so-called **cool roof**: a roof coated with a "
         "pale, reflective material that sends much of the incoming sunlight back into the sky. "
         "Measurements on individual buildings are encouraging. A white roof may stay 20 to 30 "
         "degrees cooler than a black one at midday, and the rooms beneath it need less air "
         "conditioning. Yet the effect on the air temperature of a whole neighbourhood is harder to "
         "establish. Roofs are only one of many surfaces that absorb heat, and in districts of tall "
         "buildings much of the sunlight never reaches them at all.\n"
         "Some researchers therefore argue that trees deserve more attention than paint. A mature "
         "tree shades the pavement and the walls around it, and the water that evaporates from its "
         "leaves cools the surrounding air, much as sweat cools the skin. Trees, however, take "
         "decades to grow, require space that crowded districts rarely have, and can suffer badly in "
         "the very heat waves they are meant to soften. Cool roofs can be installed in a single "
         "afternoon.\n"
         "It seems likely that no single measure will be sufficient. The cities that have made the "
         "most progress—{city} among them—have combined several: reflective roofs on schools and "
         "warehouses, trees along the widest streets, small parks in former parking lots, and, "
         "perhaps most importantly, warning systems that tell residents when to check on elderly "
         "neighbours. The heat island, in other words, is less a technical puzzle than a problem of "
         "coordination, and its solution depends as much on city councils as on engineers.",
         {{"The primary purpose of the passage is to",
           "describe a problem that affects cities and assess several ways of reducing it",
           {"argue that cool roofs are more effective than trees in reducing urban heat",
            "trace the history of the measurement of air temperature in cities",
            "criticise city planners for ignoring the findings of public health researchers",
            "explain why summers became hotter during the twentieth century"}},
          {"According to the passage, the study by {name} found that",
           "on very hot days, heat-related admissions rose more sharply in dense neighbourhoods than "
           "in suburbs",
           {"residents of suburbs were more likely than others to visit emergency rooms in summer",
            "differences in age and income fully explained the differences between neighbourhoods",
            "cool roofs reduced emergency-room visits in the city's densest neighbourhoods",
            "temperatures downtown rarely exceeded 35°C"}},
          {"The author mentions that in districts of tall buildings much of the sunlight never "
           "reaches the roofs in order to",
           "suggest one reason why cool roofs may do little to lower the air temperature of some "
           "neighbourhoods",
           {"explain why tall buildings are cooler than low ones",
            "argue that tall buildings should be painted white",
            "show that trees cannot grow in districts of tall buildings",
            "question the accuracy of measurements made on individual buildings"}},
          {"It can be inferred from the passage that the author would most likely agree with which "
           "of the following statements?",
           "Reducing the harm caused by urban heat requires cooperation among several groups, not "
           "only better technology.",
           {"Trees are the only lasting remedy for the urban heat island.",
            "Warning systems are less useful than reflective roofs.",
            "The urban heat island has been exaggerated by public health researchers.",
            "Cool roofs should be required on every new building."}},
          {"The passage mentions all of the following as causes of the urban heat island EXCEPT",
           "smoke from factories that traps warm air over the city",
           {"dark surfaces that release heat slowly after sunset", "buildings that block the wind",
            "heat produced by engines and air conditioners", "roads that absorb sunlight"}}}},

        {"Birds of the same species do not always sing the same song. On the {island} Islands, male "
         "grey-backed finches on each island sing a version of the species' song that differs from "
         "the versions heard on the other islands, much as the speech of one village may differ from "
         "that of the next. Ornithologists call these local versions *dialects*, and for many years "
         "they assumed that the dialects were simply inherited, passed from father to son along with "
         "the colour of the feathers.\n"
         "Experiments begun in {year} by {name} challenged that assumption. Eggs taken from nests on "
         "one island were hatched and raised by foster parents on another. When the young males "
         "began to sing the following spring, nearly all of them sang the dialect of the island "
         "where they had been raised, not the island where they had been born. Song, it appeared, "
         "was learned, and it was learned early: birds moved to a new island after their first "
         "summer kept the dialect of their first home for the rest of their lives.\n"
         "Why should such learned differences persist? One possibility is that dialects help "
         "females choose mates that are well adapted to local conditions. In playback trials, "
         "females responded more strongly to recordings of their own island's dialect than to "
         "foreign ones. Critics point out, however, that a preference for the familiar need not be "
         "a preference for the well adapted; a female may simply favour the song she heard as a "
         "nestling. Distinguishing between these explanations will require following individual "
         "birds, and their offspring, over many generations.",
         {{"The passage is primarily concerned with",
           "discussing how song dialects in a bird species arise and why they might persist",
           {"describing the physical differences between finches on different islands",
            "arguing that female finches prefer mates with the brightest feathers",
            "explaining a method for recording bird songs in the wild",
            "comparing the dialects of birds with the dialects of human languages"}},
          {"According to the passage, young males raised by foster parents on another island",
           "sang the dialect of the island where they were raised",
           {"sang the dialect of the island where they had hatched",
            "sang a mixture of both dialects", "did not sing until their second spring",
            "were avoided by females of both islands"}},
          {"The experiments described in the second paragraph most strongly suggest that",
           "the dialects are learned rather than inherited",
           {"the dialects are passed from father to son", "females prefer foreign dialects",
            "birds can change dialect at any age", "foster parents sing less than other birds"}},
          {"The critics mentioned in the third paragraph would most likely agree that",
           "females' responses in playback trials do not by themselves show that dialects signal "
           "local adaptation",
           {"dialects are inherited rather than learned",
            "playback trials cannot measure how strongly females respond to a song",
            "females never hear songs while they are nestlings",
            "dialects disappear within a few generations"}},
          {"Which of the following, if true, would most weaken the claim that song is learned early "
           "in a finch's life?",
           "Adult males moved to a new island in later experiments soon adopted the dialect of "
           "their new home.",
           {"Young males raised on their own island sang its dialect.",
            "Some females on each island did not respond to any recording.",
            "Foster parents fed the young birds as often as real parents did.",
            "Dialects on the islands have changed little in thirty years."}}}},

        {"When a software firm or a streaming service offers a free trial, it is betting on a "
         "simple feature of human behaviour: people are more reluctant to give up something they "
         "already have than they are eager to acquire it in the first place. Economists call this "
         "tendency *loss aversion*, and it has been documented in settings as different as coffee "
         "mugs in classroom experiments and land sales in farming villages.\n"
         "A free trial turns a purchase decision into a cancellation decision. Before the trial, a "
         "customer must decide whether the service is worth paying for; after it, the customer must "
         "decide whether to give up a service that has begun to feel like a possession. Studies of "
         "subscription data from {firm} suggest that the difference is large. Among customers who "
         "were asked to pay from the first day, about 8 percent subscribed. Among comparable "
         "customers who were offered thirty free days and then asked to pay, about 22 percent "
         "remained subscribers after the trial ended.\n"
         "Not all of that difference reflects loss aversion. Some customers simply forget to "
         "cancel, and others discover during the trial that the service is more useful than they "
         "expected. {name} attempted to separate these effects by sending one group of trial "
         "customers a reminder a few days before the trial ended. The reminder reduced conversions, "
         "but only modestly, from 22 percent to 18 percent, suggesting that forgetfulness accounts "
         "for only a small part of the effect.\n"
         "Regulators have taken an interest in such findings, since a practice that relies on "
         "inattention, or on an attachment to something obtained for free, may leave customers "
         "paying for services they do not value. Several jurisdictions now require firms to remind "
         "customers before a trial turns into a paid subscription. If the results hold more "
         "generally, such rules will protect the forgetful but will do little to change the "
         "behaviour of customers who, having grown used to a service, would rather keep paying than "
         "feel that they have lost it.",
         {{"The primary purpose of the passage is to",
           "explain how free trials may influence customers' decisions and consider the effect of a "
           "safeguard",
           {"argue that free trials should be banned",
            "compare the prices charged by streaming services",
            "describe how economists first discovered loss aversion",
            "show that most customers forget to cancel their subscriptions"}},
          {"According to the passage, about what share of trial customers who received a reminder "
           "became paying subscribers?",
           "18 percent",
           {"8 percent", "22 percent", "30 percent", "4 percent"}},
          {"The author mentions coffee mugs and land sales primarily in order to",
           "show that loss aversion has been observed in a wide variety of situations",
           {"suggest that loss aversion affects only inexpensive goods",
            "contrast classroom experiments with studies of real markets",
            "explain why farmers are reluctant to sell their land",
            "question whether loss aversion exists outside experiments"}},
          {"It can be inferred that the author believes rules requiring reminders",
           "are unlikely to greatly reduce the number of trial customers who become paying "
           "subscribers",
           {"will end the use of free trials",
            "are unnecessary because no customer forgets to cancel",
            "will greatly increase the cost of streaming services",
            "were introduced before the studies described in the passage"}},
          {"Which of the following best describes the function of the third paragraph?",
           "It considers other explanations for a finding and presents evidence about how much they "
           "matter.",
           {"It introduces the main argument of the passage.",
            "It describes the history of subscription pricing.",
            "It rejects the finding reported in the second paragraph.",
            "It proposes a new rule for regulators."}}}},

        {"Across the deserts of the world, exposed rock faces are often coated with a thin, dark "
         "film known as *desert varnish*. The coating is rarely thicker than a sheet of paper, yet it "
         "can take thousands of years to form, and it is rich in manganese, a metal that is scarce "
         "in the surrounding dust and soil. How the varnish concentrates so much manganese has "
         "puzzled geologists for more than a century.\n"
         "Early explanations were purely chemical: dew and occasional rain, it was suggested, "
         "dissolved minerals from the rock and left them behind on the surface as the water "
         "evaporated. But such processes would be expected to concentrate iron at least as readily "
         "as manganese, and in most varnish the ratio is reversed. More recent work by {name} and "
         "colleagues points to living organisms. Certain bacteria that survive on rock surfaces "
         "appear to gather manganese from the dust and use it to protect themselves against the "
         "intense sunlight of the desert. When the bacteria die, the manganese remains.\n"
         "If the biological explanation is correct, desert varnish may be of interest far beyond "
         "geology. Similar coatings have been observed in images of rocks on Mars, and a mineral "
         "film that records the activity of microbes would be an obvious place to look for evidence "
         "of past life.",
         {{"The passage is primarily concerned with",
           "an explanation for the unusual composition of a rock coating",
           {"the age of the deserts of the world", "the search for life on Mars",
            "methods of measuring manganese in soil",
            "the effects of sunlight on bacteria in water"}},
          {"According to the passage, which of the following is a reason to doubt the purely "
           "chemical explanation of desert varnish?",
           "It does not account for the fact that varnish usually contains more manganese than "
           "iron.",
           {"Deserts receive no dew.", "The varnish forms within a few years.",
            "Manganese is common in desert dust.", "Rain never falls on exposed rock faces."}},
          {"The author mentions rocks on Mars in order to",
           "suggest why the origin of desert varnish might matter outside geology",
           {"prove that bacteria once lived on Mars", "explain how desert varnish was discovered",
            "show that the chemical explanation is correct",
            "argue that Mars is wetter than the Earth's deserts"}},
          {"It can be inferred from the passage that the bacteria described",
           "obtain the manganese they use from material carried onto the rock surface",
           {"produce manganese inside their cells", "cannot survive in strong sunlight",
            "dissolve iron from the rock", "live only on the rocks of Mars"}},
          {"The author's attitude toward the biological explanation can best be described as",
           "interested but not fully committed",
           {"openly hostile", "dismissive", "uncritically enthusiastic", "indifferent"}}}},
    };
}

} // namespace sample
