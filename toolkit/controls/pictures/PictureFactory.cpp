// The pictures family's rows of the dialog and panel class-name tables.
#include "ControlFactory.h"

#include "CGifPicture.h"
#include "CPhotoFrame.h"
#include "CSliderPicture.h"
#include "MPicture.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kRows[] = {
    {L"MPicture", &MakeWithoutTitle<MPicture>},
    {L"CPhotoFrame", &MakeWithoutTitle<CPhotoFrame>},
    {L"CSliderPicture", &MakeWithoutTitle<CSliderPicture>},
    {L"CGifPicture", &MakeWithoutTitle<CGifPicture>},
};

}  // namespace

ControlFactoryRows PictureFactoryRows() { return FactoryRowsOf(kRows, kRows); }

}  // namespace Kelvo
