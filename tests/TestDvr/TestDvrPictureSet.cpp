#include "TestDvrPictureSet.h"

#include "TestDvr.h"

namespace {

const quint32 CHANNEL_LIMIT = 16;

using Values = google::protobuf::RepeatedField<google::protobuf::uint32>;

void setValue(Values* values, quint32 channel, quint32 value)
{
    while (static_cast<quint32>(values->size()) <= channel)
        values->Add(TestDvrPictureSet::DEFAULT_VALUE);
    values->Set(static_cast<int>(channel), value);
}

} // namespace

void TestDvrPictureSet::install(TestDvr* dvr)
{
    dvr->setHandler(
        TestDvrRequest::NewDialect, cgi::MODE_PICTURE_SET, [dvr](const TestDvrRequest& request, const TestDvrContent&) {
            cgi::PictureControlSet set;
            if (!set.ParseFromString(request.data.toStdString()) || set.channel() >= CHANNEL_LIMIT)
                return TestDvrReply::http(400);
            TestDvrContent content = dvr->content();
            cgi::PictureControlGet& picture = content.picture;
            Values* const all[] = {picture.mutable_contrast(), picture.mutable_brightness(),
                picture.mutable_saturation(), picture.mutable_hsharpness(), picture.mutable_vsharpness()};
            if (set.type() == cgi::PictureControlSet::DEFAULT) {
                for (Values* values : all)
                    setValue(values, set.channel(), DEFAULT_VALUE);
            } else {
                setValue(all[set.type() - 1], set.channel(), set.value());
            }
            dvr->setContent(content);
            return TestDvrReply::http(200);
        });
}
