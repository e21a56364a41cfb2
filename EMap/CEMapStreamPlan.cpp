#include "CEMapStreamPlan.h"

CEMapStreamPlan CEMapStreamPlan::build(const EMap& map)
{
    CEMapStreamPlan plan;
    for (const EMapItems& item : map.items()) {
        const int channel = item.channel();
        if (!isStreamChannel(channel)) {
            plan.streamOfCamera.append(-1);
            continue;
        }
        const DVR& dvr = item.dvr();
        const quint32 bit = 1u << channel;
        int stream = 0;
        while (stream < plan.streams.size()
            && (plan.streams[stream].address() != dvr.address() || plan.streams[stream].port() != dvr.port()))
            ++stream;
        if (stream == plan.streams.size()) {
            DVR request = dvr;
            request.set_bitch(bit);
            plan.streams.append(request);
        } else {
            plan.streams[stream].set_bitch(plan.streams[stream].bitch() | bit);
        }
        plan.streamOfCamera.append(stream);
    }
    return plan;
}
