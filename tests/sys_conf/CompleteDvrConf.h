#pragma once

#include "sys_conf/proto/dvr_conf.pb.h"

#include <string>

// The largest configuration a DVR sends: 16 channels with full 22 x 18 motion
// zones, 16 sensors, four schedules of 168 hours, four e-mail receivers and
// remote DVRs, with every field of every part present.
class CompleteDvrConf {
public:
    static constexpr int kChannels = 16;
    static constexpr int kZoneCells = 22 * 18;
    static constexpr int kScheduleHours = 7 * 24;

    static config::DvrConf build()
    {
        config::DvrConf conf;
        buildIdentity(conf);
        buildAccount(*conf.mutable_account());
        buildCamera(*conf.mutable_camera());
        buildEvent(*conf.mutable_event());
        buildHdd(*conf.mutable_hdd());
        buildNetwork(*conf.mutable_network());
        buildRecord(*conf.mutable_record());
        buildSystem(*conf.mutable_system());
        return conf;
    }

private:
    static std::string channelName(int channel)
    {
        const std::string number = std::to_string(channel + 1);
        return "CH-" + std::string(number.size() < 2 ? "0" : "") + number;
    }

    static void buildIdentity(config::DvrConf& conf)
    {
        config::DvrConf_DvrInfo& info = *conf.mutable_dvr_info();
        info.set_model(3);
        info.set_ch_num(kChannels);
        info.set_vtype(1);
        for (const char* language :
            {"english", "korean", "russian", "turkish", "norwegian", "german", "french", "chinese_tw"})
            info.add_languages(language);
        conf.mutable_limit()->set_apply_network_tcpip(true);
        conf.mutable_buyer_info()->set_model_name("QX-1600");
    }

    static void buildAccount(config::Account& account)
    {
        account.mutable_admin()->set_password("0000");
        for (int i = 0; i < 4; ++i) {
            config::Account_User& user = *account.add_users();
            user.set_name("user" + std::to_string(i));
            user.set_password("1234");
            user.set_ch_mask(0xFFFFu >> i);
            user.set_ptz(i % 2 == 0);
            user.set_playback(true);
            user.set_backup(i == 3);
            user.set_network(true);
            user.set_network_timeout(config::Account::NETWORK_TIMEOUT_15MINS);
        }
        account.mutable_logoff()->set_auto_enable(true);
        account.mutable_logoff()->set_wait_time(config::Account_Logoff::WAIT_TIME_5MIN);
    }

    static void buildCamera(config::Camera& camera)
    {
        for (int ch = 0; ch < kChannels; ++ch) {
            config::Camera_Channel& channel = *camera.add_channel();
            channel.set_name(channelName(ch));
            channel.set_covert(ch == 5);
            config::Camera_Adjustment& adjustment = *channel.mutable_adjustment();
            adjustment.set_contrast(8);
            adjustment.set_brightness(9);
            adjustment.set_saturation(10);
            adjustment.set_hsharpness(7);
            adjustment.set_vsharpness(6);

            config::Camera_Ptz& ptz = *camera.add_ptz();
            ptz.set_model(config::Camera_Ptz::MODEL_PELCO_D);
            ptz.set_id(ch + 1);
            ptz.set_rev_pan(false);
            ptz.set_rev_tilt(true);
            ptz.set_rev_zoom(false);
            ptz.set_rev_focus(true);
            ptz.set_baudrate(config::Camera_Ptz::BAUDRATE_38400);
        }
        camera.mutable_seq()->set_ch_mask(0x7FFFFF);
        camera.mutable_seq()->set_time(config::Camera::SEQ_5SECS);
        config::Camera_Spot& spot = *camera.add_spot();
        spot.set_mode(config::Camera_Spot::MODE_SEQUENCE);
        spot.set_ch_num_single(2);
        spot.set_ch_mask_quad(0xF0);
        spot.set_ch_mask_nona(0x1FF);
        spot.set_ch_mask_seq(0x40FFFF);
        spot.set_seq_time(config::Camera::SEQ_30SECS);
        camera.set_sharpness(config::Camera::SHARPNESS_HARD);
    }

    static void buildEvent(config::Event& event)
    {
        config::Event_MotionConf& motionConf = *event.mutable_motion_conf();
        for (int ch = 0; ch < kChannels; ++ch) {
            config::Event_Motion& motion = *motionConf.add_motion();
            motion.set_sensitivity(ch % 16);
            for (int cell = 0; cell < kZoneCells; ++cell)
                motion.add_zone((cell + ch) % 3 == 0);
            motion.set_pop_up(ch % 2 == 1);
        }
        motionConf.set_pop_down(config::Event::POP_DOWN_10SEC);

        config::Event_SensorConf& sensorConf = *event.mutable_sensor_conf();
        for (int input = 0; input < kChannels; ++input) {
            config::Event_Sensor& sensor = *sensorConf.add_sensor();
            sensor.set_type(input % 2 == 0 ? config::Event_Sensor::TYPE_NO : config::Event_Sensor::TYPE_NC);
            sensor.set_link_ch(input);
            sensor.set_pop_up(true);
        }
        sensorConf.set_pop_down(config::Event::POP_DOWN_30SEC);

        config::Event_Relay& relay = *event.mutable_relay();
        for (int i = 0; i < kChannels; ++i) {
            relay.add_motion(i % 4 == 0);
            relay.add_sensor(i % 5 == 0);
        }
        relay.set_record_fail(true);
        relay.set_record_warning(false);
        relay.set_keep_time(config::Event_Relay::KEEP_10SEC);

        config::Event_Email& email = *event.mutable_email();
        email.mutable_address()->set_sender("dvr@example.com");
        email.mutable_address()->add_receiver("first@example.com");
        email.mutable_address()->add_receiver("");
        email.mutable_address()->add_receiver("third@example.com");
        email.mutable_address()->add_receiver("");
        config::Event_Email_SMTP& smtp = *email.mutable_smtp();
        smtp.set_address("mail.example.com");
        smtp.set_port(465);
        smtp.set_authentication(true);
        smtp.set_auth_id("dvr");
        smtp.set_auth_password("secret");
        smtp.set_use_ssl(true);
        smtp.set_use_mime(false);
        config::Event_Email_SendCond& sendCond = *email.mutable_send_cond();
        sendCond.set_period(config::Event_Email::SEND_PERIOD_2MINS_AFTER_EVENT);
        sendCond.set_prohibition(true);
        sendCond.set_prohibition_start(22);
        sendCond.set_prohibition_end(6);
        config::Event_Email_SendContent& content = *email.mutable_send_content();
        content.set_motion(true);
        content.set_sensor(true);
        content.set_video_loss(true);
        content.set_rec_status(false);
        content.set_sys_access(true);

        event.mutable_post_record()->set_time(config::Event_PostRecord::TIME_30SEC);
    }

    static void buildHdd(config::Hdd& hdd)
    {
        hdd.mutable_mode()->set_write_mode(config::Hdd::WRITE_ONCE);
        hdd.mutable_mode()->set_forced_deletion(30);
        hdd.mutable_smart()->set_smart(true);
        hdd.mutable_smart()->set_check_interval(config::Hdd_Smart::INTERVAL_24HOURS);
    }

    static void buildNetwork(config::Network& network)
    {
        config::Network_TcpIp& tcpip = *network.mutable_tcpip();
        tcpip.set_type(config::Network::TYPE_STATIC);
        tcpip.set_auto_upnp_port(8080);
        config::Network_StaticNet& staticNet = *tcpip.mutable_static_net();
        staticNet.set_ip_address("10.0.0.20");
        staticNet.set_subnetmask("255.255.255.0");
        staticNet.set_gateway("10.0.0.1");
        staticNet.set_dns_ip("10.0.0.2");
        staticNet.set_ddns_support(false);
        tcpip.set_port(8000);
        tcpip.set_upnp(true);
        tcpip.set_bandwidth_limitation(config::Network::BWL_2000kbps);
        network.mutable_ddns()->set_hostname("front-door");

        config::Network_Stream& stream = *network.mutable_stream();
        config::Network_Jpeg& jpeg = *stream.add_jpeg();
        jpeg.set_resolution(config::RESOLUTION_CIF);
        for (int resolution = 0; resolution < config::Resolution_ARRAYSIZE; ++resolution) {
            jpeg.add_qual(config::QUALITY_MEDIUM);
            jpeg.add_fps(5);
        }
        for (int ch = 0; ch < kChannels; ++ch) {
            config::Network_H264& h264 = *stream.add_h264();
            h264.set_resolution(static_cast<config::Resolution>(ch % config::Resolution_ARRAYSIZE));
            for (unsigned fps : {30u, 30u, 15u, 7u}) {
                h264.add_qual(config::QUALITY_HIGH);
                h264.add_fps(fps);
            }
        }

        for (int i = 0; i < 3; ++i) {
            config::Network_RemoteDvr& remote = *network.add_remote_dvrs();
            remote.set_name("remote" + std::to_string(i));
            remote.set_address("192.168.1." + std::to_string(10 + i));
            remote.set_port(80 + i);
            remote.set_user("admin");
            remote.set_pass("pass" + std::to_string(i));
        }
    }

    static void buildRecord(config::Record& record)
    {
        for (int ch = 0; ch < kChannels; ++ch) {
            config::Record_Channel& channel = *record.add_channel();
            channel.set_resolution(config::RESOLUTION_960H);
            for (unsigned fps : {30u, 15u, 7u, 200u}) {
                channel.add_qual(config::QUALITY_HIGH);
                channel.add_fps(fps);
                channel.add_qual_evt(config::QUALITY_SUPER);
                channel.add_fps_evt(fps);
            }
            channel.set_record_mode(static_cast<config::RecordMode>(ch % config::RecordMode_ARRAYSIZE));
        }
        for (int schedule = 0; schedule < 4; ++schedule) {
            config::Record_Schedule& week = *record.add_schedule();
            for (int hour = 0; hour < kScheduleHours; ++hour)
                week.add_record_mode(static_cast<config::RecordMode>((hour + schedule) % 6));
        }
        record.mutable_misc()->set_audio_rec(false);
        record.mutable_misc()->set_time_overlay(true);
        record.mutable_playback()->set_chmode(3);
        record.mutable_playback()->set_start_point(config::Record_Playback::START_1HOUR);
        record.mutable_playback()->set_audio_play(true);
    }

    static void buildSystem(config::System& system)
    {
        system.mutable_name_id()->set_dvr_name("Front door");
        system.mutable_name_id()->set_dvr_id(7);
        config::System_TimeDate& timeDate = *system.mutable_time_date();
        timeDate.set_date_format(config::System_TimeDate::DATE_FORMAT_DDMMYYYY);
        timeDate.set_time_format(config::System_TimeDate::TIME_FORMAT_12);
        timeDate.set_time_zone("Europe/Berlin");
        timeDate.set_using_ntp(true);
        timeDate.set_ntp_server("time.example.com");
        system.set_language("german");
        config::System_Buzzer& buzzer = *system.mutable_buzzer();
        buzzer.set_motion(true);
        buzzer.set_sensor(false);
        buzzer.set_video_loss(true);
        buzzer.set_record_fail(true);
        buzzer.set_record_warning(false);
        config::System_Display& display = *system.mutable_display();
        display.set_camera_name(true);
        display.set_rec_icon(false);
        display.set_motion_icon(true);
        display.set_sensor_icon(false);
        display.set_task_bar(true);
        display.set_vga_mode(config::System_Display::VGA_1920x1080);
        for (config::System_Display_Adjustment* adjustment :
            {display.mutable_hdmi_vga_adjust(), display.mutable_vga_only_adjust()}) {
            adjustment->set_luminance(9);
            adjustment->set_contrast(8);
            adjustment->set_hue(7);
            adjustment->set_saturation(6);
            adjustment->set_gain(5);
        }
        display.set_osg_position(config::System_Display::FOR_VGA);
        system.set_mode(config::System::MODE_HD);
    }
};
