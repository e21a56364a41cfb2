#include "CConfParser.h"

#include "sys_conf/proto/dvr_conf.pb.h"

#include <limits>

namespace {

template <class Message> void dropOwn(Message& message)
{
    if (!message.unknown_fields().empty())
        message.mutable_unknown_fields()->clear();
}

template <class Message> void dropEach(google::protobuf::RepeatedPtrField<Message>& list)
{
    for (Message& element : list)
        dropOwn(element);
}

// One overload per message that holds sub-messages; each clears its own
// unknown fields and those of every sub-message that is present. Absent
// sub-messages are never created.

void drop(config::Account& account)
{
    dropOwn(account);
    if (account.has_admin())
        dropOwn(*account.mutable_admin());
    dropEach(*account.mutable_users());
    if (account.has_logoff())
        dropOwn(*account.mutable_logoff());
}

void drop(config::Camera_Channel& channel)
{
    dropOwn(channel);
    if (channel.has_adjustment())
        dropOwn(*channel.mutable_adjustment());
}

void drop(config::Camera& camera)
{
    dropOwn(camera);
    for (config::Camera_Channel& channel : *camera.mutable_channel())
        drop(channel);
    dropEach(*camera.mutable_ptz());
    if (camera.has_seq())
        dropOwn(*camera.mutable_seq());
    dropEach(*camera.mutable_spot());
}

void drop(config::Event_MotionConf& motionConf)
{
    dropOwn(motionConf);
    dropEach(*motionConf.mutable_motion());
}

void drop(config::Event_SensorConf& sensorConf)
{
    dropOwn(sensorConf);
    dropEach(*sensorConf.mutable_sensor());
}

void drop(config::Event_Email& email)
{
    dropOwn(email);
    if (email.has_address())
        dropOwn(*email.mutable_address());
    if (email.has_smtp())
        dropOwn(*email.mutable_smtp());
    if (email.has_send_cond())
        dropOwn(*email.mutable_send_cond());
    if (email.has_send_content())
        dropOwn(*email.mutable_send_content());
}

void drop(config::Event& event)
{
    dropOwn(event);
    if (event.has_motion_conf())
        drop(*event.mutable_motion_conf());
    if (event.has_sensor_conf())
        drop(*event.mutable_sensor_conf());
    if (event.has_relay())
        dropOwn(*event.mutable_relay());
    if (event.has_email())
        drop(*event.mutable_email());
    if (event.has_post_record())
        dropOwn(*event.mutable_post_record());
}

void drop(config::Hdd& hdd)
{
    dropOwn(hdd);
    if (hdd.has_mode())
        dropOwn(*hdd.mutable_mode());
    if (hdd.has_smart())
        dropOwn(*hdd.mutable_smart());
}

void drop(config::Network_TcpIp& tcpip)
{
    dropOwn(tcpip);
    if (tcpip.has_static_net())
        dropOwn(*tcpip.mutable_static_net());
}

void drop(config::Network_Stream& stream)
{
    dropOwn(stream);
    dropEach(*stream.mutable_jpeg());
    dropEach(*stream.mutable_h264());
}

void drop(config::Network& network)
{
    dropOwn(network);
    if (network.has_tcpip())
        drop(*network.mutable_tcpip());
    if (network.has_ddns())
        dropOwn(*network.mutable_ddns());
    if (network.has_stream())
        drop(*network.mutable_stream());
    dropEach(*network.mutable_remote_dvrs());
}

void drop(config::Record& record)
{
    dropOwn(record);
    dropEach(*record.mutable_channel());
    dropEach(*record.mutable_schedule());
    if (record.has_misc())
        dropOwn(*record.mutable_misc());
    if (record.has_playback())
        dropOwn(*record.mutable_playback());
}

void drop(config::System_Display& display)
{
    dropOwn(display);
    if (display.has_hdmi_vga_adjust())
        dropOwn(*display.mutable_hdmi_vga_adjust());
    if (display.has_vga_only_adjust())
        dropOwn(*display.mutable_vga_only_adjust());
}

void drop(config::System& system)
{
    dropOwn(system);
    if (system.has_name_id())
        dropOwn(*system.mutable_name_id());
    if (system.has_time_date())
        dropOwn(*system.mutable_time_date());
    if (system.has_buzzer())
        dropOwn(*system.mutable_buzzer());
    if (system.has_display())
        drop(*system.mutable_display());
}

void drop(config::DvrConf& conf)
{
    dropOwn(conf);
    if (conf.has_dvr_info())
        dropOwn(*conf.mutable_dvr_info());
    if (conf.has_limit())
        dropOwn(*conf.mutable_limit());
    if (conf.has_account())
        drop(*conf.mutable_account());
    if (conf.has_camera())
        drop(*conf.mutable_camera());
    if (conf.has_event())
        drop(*conf.mutable_event());
    if (conf.has_hdd())
        drop(*conf.mutable_hdd());
    if (conf.has_network())
        drop(*conf.mutable_network());
    if (conf.has_record())
        drop(*conf.mutable_record());
    if (conf.has_system())
        drop(*conf.mutable_system());
    if (conf.has_buyer_info())
        dropOwn(*conf.mutable_buyer_info());
}

// Messages without sub-messages.
template <class Message> void drop(Message& message)
{
    dropOwn(message);
}

} // namespace

template <class Message> bool CConfParser::parse(const char* data, qint64 size, Message& message)
{
    if (size < 0 || size > std::numeric_limits<int>::max())
        return false;
    Message parsed;
    if (!parsed.ParseFromArray(data, static_cast<int>(size)))
        return false;
    drop(parsed);
    message.Swap(&parsed);
    return true;
}

#define QELM_CONF_MESSAGE(Type) template bool CConfParser::parse<config::Type>(const char*, qint64, config::Type&);
QELM_CONF_MESSAGE(DvrConf)
QELM_CONF_MESSAGE(DvrConf_DvrInfo)
QELM_CONF_MESSAGE(DvrConf_Limit)
QELM_CONF_MESSAGE(DvrConf_BuyerInfo)
QELM_CONF_MESSAGE(Account)
QELM_CONF_MESSAGE(Account_Admin)
QELM_CONF_MESSAGE(Account_User)
QELM_CONF_MESSAGE(Account_Logoff)
QELM_CONF_MESSAGE(Camera)
QELM_CONF_MESSAGE(Camera_Channel)
QELM_CONF_MESSAGE(Camera_Adjustment)
QELM_CONF_MESSAGE(Camera_Ptz)
QELM_CONF_MESSAGE(Camera_Seq)
QELM_CONF_MESSAGE(Camera_Spot)
QELM_CONF_MESSAGE(Event)
QELM_CONF_MESSAGE(Event_MotionConf)
QELM_CONF_MESSAGE(Event_Motion)
QELM_CONF_MESSAGE(Event_SensorConf)
QELM_CONF_MESSAGE(Event_Sensor)
QELM_CONF_MESSAGE(Event_Relay)
QELM_CONF_MESSAGE(Event_Email)
QELM_CONF_MESSAGE(Event_Email_Address)
QELM_CONF_MESSAGE(Event_Email_SMTP)
QELM_CONF_MESSAGE(Event_Email_SendCond)
QELM_CONF_MESSAGE(Event_Email_SendContent)
QELM_CONF_MESSAGE(Event_PostRecord)
QELM_CONF_MESSAGE(Hdd)
QELM_CONF_MESSAGE(Hdd_Mode)
QELM_CONF_MESSAGE(Hdd_Smart)
QELM_CONF_MESSAGE(Network)
QELM_CONF_MESSAGE(Network_TcpIp)
QELM_CONF_MESSAGE(Network_StaticNet)
QELM_CONF_MESSAGE(Network_DDNS)
QELM_CONF_MESSAGE(Network_Stream)
QELM_CONF_MESSAGE(Network_Jpeg)
QELM_CONF_MESSAGE(Network_H264)
QELM_CONF_MESSAGE(Network_RemoteDvr)
QELM_CONF_MESSAGE(Record)
QELM_CONF_MESSAGE(Record_Channel)
QELM_CONF_MESSAGE(Record_Schedule)
QELM_CONF_MESSAGE(Record_Misc)
QELM_CONF_MESSAGE(Record_Playback)
QELM_CONF_MESSAGE(System)
QELM_CONF_MESSAGE(System_NameId)
QELM_CONF_MESSAGE(System_TimeDate)
QELM_CONF_MESSAGE(System_Buzzer)
QELM_CONF_MESSAGE(System_Display)
QELM_CONF_MESSAGE(System_Display_Adjustment)
#undef QELM_CONF_MESSAGE
