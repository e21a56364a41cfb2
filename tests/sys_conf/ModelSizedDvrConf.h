#pragma once

#include "DVRSetup/CModelInfoDialog.h"
#include "dvr_types/DvrModelInfo.h"
#include "sys_conf/types/record.h"
#include "tests/sys_conf/CompleteDvrConf.h"

#include <QtGlobal>

// The complete configuration as a DVR of one model and video type holds it:
// the identity of that model, and every list sized as the setup pages size
// it for that DVR (channels, PTZ entries, motion entries with the model's
// zone grid, sensors, relay inputs, network streams, record channels), with
// masks, links and record modes the model offers. A page handed such a part
// has nothing to repair, so it must give it back byte for byte.
class ModelSizedDvrConf {
public:
    // model is a valid DvrModel id; vtype 0 is NTSC, any other value PAL.
    static config::DvrConf build(int model, unsigned vtype)
    {
        const DvrModelInfo facts{DvrModel(model)};
        const Size size{static_cast<int>(facts.channels), static_cast<int>(facts.sensors),
            zoneColumns(model, vtype) * zoneRows(model, vtype)};
        config::DvrConf conf = CompleteDvrConf::build();
        config::DvrConf_DvrInfo& info = *conf.mutable_dvr_info();
        info.set_model(static_cast<unsigned>(model));
        info.set_ch_num(static_cast<unsigned>(size.channels));
        info.set_vtype(vtype);
        info.clear_languages();
        for (const QString& language : facts.languages)
            info.add_languages(language.toStdString());
        sizeAccount(*conf.mutable_account(), size);
        sizeCamera(*conf.mutable_camera(), size);
        sizeEvent(*conf.mutable_event(), size);
        sizeNetwork(*conf.mutable_network(), size);
        sizeRecord(*conf.mutable_record(), size);
        return conf;
    }

    // The motion zone grid: HD-SDI 22 x 15 on NTSC and 22 x 18 on PAL; AHD
    // and 960H 16 x 12.
    static int zoneColumns(int model, unsigned) { return CModelInfoDialog::ModelIndex2Type(model) == 0 ? 22 : 16; }
    static int zoneRows(int model, unsigned vtype)
    {
        if (CModelInfoDialog::ModelIndex2Type(model) != 0)
            return 12;
        return vtype == 0 ? 15 : 18;
    }

    // Bits of channels 1 to channels.
    static unsigned channelMask(int channels) { return (1u << channels) - 1u; }

    // The multi-screen steps a sequence offers with that many channels.
    static unsigned sequenceStepMask(int channels)
    {
        switch (channels) {
        case 4:
            return 1u << 16;
        case 8:
            return (1u << 16) | (1u << 17) | (1u << 20);
        default:
            return 0x7Fu << 16;
        }
    }

private:
    struct Size {
        int channels;
        int sensors;
        int zoneCells;
    };

    template <class Element> static void truncate(google::protobuf::RepeatedField<Element>& list, int size)
    {
        if (list.size() > size)
            list.Truncate(size);
    }
    template <class Element> static void truncate(google::protobuf::RepeatedPtrField<Element>& list, int size)
    {
        if (list.size() > size)
            list.DeleteSubrange(size, list.size() - size);
    }

    static void sizeAccount(config::Account& account, const Size& size)
    {
        for (config::Account_User& user : *account.mutable_users())
            user.set_ch_mask(user.ch_mask() & channelMask(size.channels));
    }

    static void sizeCamera(config::Camera& camera, const Size& size)
    {
        truncate(*camera.mutable_channel(), size.channels);
        truncate(*camera.mutable_ptz(), size.channels);
        const unsigned channels = channelMask(size.channels);
        const unsigned steps = sequenceStepMask(size.channels);
        camera.mutable_seq()->set_ch_mask(channels | steps);
        config::Camera_Spot& spot = *camera.mutable_spot(0);
        spot.set_ch_mask_quad(size.channels > 4 ? 0xF0u : 0x0Fu);
        spot.set_ch_mask_nona(0x1FFu & channels);
        // The last step offered: "M1-4", "M1-8" or "M1-16".
        const unsigned lastStep = 1u << (31 - qCountLeadingZeroBits(steps));
        spot.set_ch_mask_seq((0xFFFFu & channels) | lastStep);
    }

    static void sizeEvent(config::Event& event, const Size& size)
    {
        config::Event_MotionConf& motionConf = *event.mutable_motion_conf();
        truncate(*motionConf.mutable_motion(), size.channels);
        for (config::Event_Motion& motion : *motionConf.mutable_motion())
            truncate(*motion.mutable_zone(), size.zoneCells);
        config::Event_SensorConf& sensorConf = *event.mutable_sensor_conf();
        truncate(*sensorConf.mutable_sensor(), size.sensors);
        for (config::Event_Sensor& sensor : *sensorConf.mutable_sensor())
            sensor.set_link_ch(sensor.link_ch() % static_cast<unsigned>(size.channels));
        truncate(*event.mutable_relay()->mutable_motion(), size.channels);
        truncate(*event.mutable_relay()->mutable_sensor(), size.sensors);
    }

    static void sizeNetwork(config::Network& network, const Size& size)
    {
        truncate(*network.mutable_stream()->mutable_h264(), size.channels);
    }

    // Without sensors the modes with sensors give way to the model's own rows.
    static config::RecordMode offeredMode(const Size& size, int row)
    {
        const auto sensors = static_cast<std::size_t>(size.sensors);
        return config::RecordMode_Index2Type(sensors, row % config::RecordMode_Count(sensors));
    }

    static void sizeRecord(config::Record& record, const Size& size)
    {
        truncate(*record.mutable_channel(), size.channels);
        for (int ch = 0; ch < record.channel_size(); ++ch)
            record.mutable_channel(ch)->set_record_mode(offeredMode(size, ch));
        for (config::Record_Schedule& week : *record.mutable_schedule()) {
            for (int hour = 0; hour < week.record_mode_size(); ++hour)
                week.set_record_mode(hour, offeredMode(size, week.record_mode(hour)));
        }
    }
};
