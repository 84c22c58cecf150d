// The cloths round the hips and thighs of the wayang figures: see
// wayang_parts.h. Each follows its figure's stride: the back of the cloth is
// rounded over the hips and runs down the back thigh, the hem rises a little
// between the legs, and the pleated front panel hangs between them to a point.
#include "wayang_parts.h"

namespace art::puppet {

void cloth(Figure& f, WayangKind which)
{
    switch (which) {
    case WayangKind::Satria:
        // the two ends of the sash hang behind the hip
        f.parts.push_back(
            {limb({{-50, -590}, {-100, -530}, {-134, -450}, {-146, -360}, {-150, -270}}, {8, 10, 12, 14, 20}),
             Lace::None, Paint::Red});
        f.parts.push_back(
            {limb({{-44, -580}, {-92, -515}, {-124, -440}, {-134, -350}, {-134, -262}}, {7, 9, 11, 13, 18}), Lace::None,
             Paint::Green});
        // the long cloth wrapped close round the thighs to the knees
        f.parts.push_back({spline({at({-34, -600}, true),
                                   {-66, -578},
                                   {-100, -530},
                                   {-116, -460},
                                   {-114, -390},
                                   at({-100, -322}, true),
                                   {-50, -334},
                                   {0, -350},
                                   {50, -342},
                                   at({100, -332}, true),
                                   {96, -410},
                                   {76, -490},
                                   {52, -560},
                                   at({40, -600}, true)},
                                  true),
                           Lace::Edge, Paint::Parang});
        break;
    case WayangKind::Raja:
        // the king's wide cloth, its tail falling behind to the heels
        f.parts.push_back({spline({at({-38, -600}, true),
                                   {-70, -576},
                                   {-110, -526},
                                   {-132, -456},
                                   {-142, -380},
                                   {-158, -280},
                                   at({-190, -130}, true),
                                   {-150, -196},
                                   {-124, -256},
                                   at({-104, -312}, true),
                                   {-50, -330},
                                   {0, -348},
                                   {54, -338},
                                   at({106, -328}, true),
                                   {100, -420},
                                   {80, -500},
                                   {56, -566},
                                   at({42, -600}, true)},
                                  true),
                           Lace::Edge, Paint::Dodot});
        break;
    case WayangKind::Gagah:
        // the chequered cloth, short and wide over the spread thighs, its
        // tail hanging behind
        f.parts.push_back({spline({{-100, -520},
                                   {-150, -440},
                                   {-180, -340},
                                   at({-214, -230}, true),
                                   {-172, -290},
                                   {-140, -360},
                                   {-112, -440}},
                                  true),
                           Lace::None, Paint::Poleng, -0.2});
        f.parts.push_back({spline({at({-46, -600}, true),
                                   {-84, -578},
                                   {-126, -526},
                                   {-146, -466},
                                   at({-152, -396}, true),
                                   {-80, -404},
                                   {0, -420},
                                   {80, -406},
                                   at({156, -396}, true),
                                   {132, -470},
                                   {96, -540},
                                   {68, -584},
                                   at({58, -600}, true)},
                                  true),
                           Lace::Edge, Paint::Poleng});
        break;
    }
    // the pleated front panel hanging between the legs to a point: long on
    // the refined figures, short on the strong one
    const double w = which == WayangKind::Gagah ? 1.25 : 1.0;
    const double l = which == WayangKind::Gagah ? 0.72 : 1.0;
    auto q = [&](double x, double y, bool sharp = false) { return at({x * w, -600 + (y + 600) * l}, sharp); };
    f.parts.push_back({spline({q(10, -598, true), q(40, -598, true), q(50, -520), q(50, -430), q(42, -340),
                               q(26, -236, true), q(16, -300), q(8, -380), q(6, -470), q(8, -540)},
                              true),
                       Lace::Slots, Paint::Gold, 0.1});
}

}  // namespace art::puppet
