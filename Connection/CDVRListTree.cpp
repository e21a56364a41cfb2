#include "CDVRListTree.h"

CDVRListTree::CDVRListTree(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
}

CDVRListTree::~CDVRListTree() = default;

void CDVRListTree::clearIcon(int) { }

void CDVRListTree::setCameraNameShow(bool) { }
