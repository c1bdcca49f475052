#include "catalog/HelixKits.h"

namespace layrail {

namespace {

HelixKit kit(const char* id, const char* name, double turns, double rise, double inner, double outer,
             const char* innerCurve, const char* outerCurve)
{
    // Every kit starts and ends on four C-Track 24188 stubs.
    return HelixKit{id, name, turns, rise, inner, outer, "24188", innerCurve, outerCurve};
}

} // namespace

const std::vector<HelixKit>& helixKits()
{
    static const std::vector<HelixKit> kits = {
        kit("proses_2_5_r1r2", "Proses 2.5 R1&R2 26cm/10.2\"", 2.5, 260, 360, 437.5, "24130", "24230"),
        kit("proses_3_5_r1r2", "Proses 3.5 R1&R2 34cm/13.4\"", 3.5, 340, 360, 437.5, "24130", "24230"),
        kit("proses_4_5_r1r2", "Proses 4.5 R1&R2 42cm/16.5\"", 4.5, 420, 360, 437.5, "24130", "24230"),
        kit("proses_2_5_r2r3", "Proses 2.5 R2&R3 26cm/10.2\"", 2.5, 260, 437.5, 515, "24230", "24330"),
        kit("proses_3_5_r2r3", "Proses 3.5 R2&R3 34cm/13.4\"", 3.5, 340, 437.5, 515, "24230", "24330"),
        kit("proses_2_5_r3r4", "Proses 2.5 R3&R4 26cm/10.2\"", 2.5, 260, 515, 579.3, "24330", "24430"),
        kit("proses_4_5_r3r4", "Proses 4.5 R3&R4 42cm/16.5\"", 4.5, 420, 515, 579.3, "24330", "24430"),
        kit("proses_2_5_r4r5", "Proses 2.5 R4&R5 26cm/10.2\"", 2.5, 260, 579.3, 643.6, "24430", "24530"),
        kit("proses_3_5_r4r5", "Proses 3.5 R4&R5 34cm/13.4\"", 3.5, 340, 579.3, 643.6, "24430", "24530"),
        kit("proses_4_5_r4r5", "Proses 4.5 R4&R5 42cm/16.5\"", 4.5, 420, 579.3, 643.6, "24430", "24530"),
    };
    return kits;
}

const HelixKit* findHelixKit(const std::string& kitId)
{
    for (const HelixKit& k : helixKits())
        if (k.kitId == kitId)
            return &k;
    return nullptr;
}

const std::string& defaultHelixKitId()
{
    static const std::string id = "proses_2_5_r1r2";
    return id;
}

} // namespace layrail
