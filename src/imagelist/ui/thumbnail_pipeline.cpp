#include "imagelist/ui/thumbnail_pipeline.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QMetaObject>

#include "imagelist/image_list.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"

namespace lumidex {
namespace {

int64_t FileSize(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

}  // namespace

ThumbnailPipeline::ThumbnailPipeline(ImageContext context, ThumbnailCache* cache, size_t threads,
                                     QObject* parent)
    : QObject(parent),
      context_(std::move(context)),
      cache_(cache),
      writer_(std::make_unique<ThreadPool>(1)),
      pool_(std::make_unique<ThreadPool>(threads)) {
  maxRunning_ = static_cast<int>(pool_->size()) * 2;
}

ThumbnailPipeline::~ThumbnailPipeline() = default;

void ThumbnailPipeline::SetNoCacheMode(bool on) {
  if (cache_ != nullptr) cache_->setNoCacheMode(on);
}

std::optional<std::string> ThumbnailPipeline::CachedBytes(const std::string& path) {
  if (cache_ == nullptr) return std::nullopt;
  if (const auto ahead = readAhead_.find(path); ahead != readAhead_.end()) {
    std::string bytes = std::move(ahead->second);
    readAhead_.erase(ahead);
    return bytes;
  }
  // Checked by their headers only: the list's delegate decodes them anyway,
  // and the list asks for a new thumbnail when they do not decode.
  if (auto bytes = cache_->CachedBytesByHeader(path)) return bytes;
  // Types whose cache file is not used raw still skip the decode when the
  // cache holds their thumbnail.
  ThumbnailRequest request;
  request.path = path;
  return cache_->LookupHook(request, FileSize(path));
}

std::vector<std::optional<std::string>> ThumbnailPipeline::ReadAhead(
    const std::vector<std::string>& paths) {
  std::vector<std::optional<std::string>> read;
  read.reserve(paths.size());
  for (const std::string& path : paths) {
    read.push_back(CachedBytes(path));
    if (read.back()) readAhead_[path] = *read.back();
  }
  return read;
}

ThumbnailAnswer ThumbnailPipeline::Request(const std::string& path) {
  queued_.push_back({path});
  StartMore();
  ThumbnailAnswer answer;
  answer.pending = true;
  return answer;
}

bool ThumbnailPipeline::Busy() const { return backlog() >= maxRunning_; }

void ThumbnailPipeline::ForgetQueued() { queued_.clear(); }

void ThumbnailPipeline::StartMore() {
  while (running_ < maxRunning_ && !queued_.empty()) {
    // Prefer a queued item of the visible range: it was asked for by the
    // range pass, while the rest waits for the background pass anyway.
    auto pick = queued_.begin();
    if (list_ != nullptr && list_->visibleFirst() >= 0) {
      for (auto it = queued_.begin(); it != queued_.end(); ++it) {
        bool visible = false;
        for (int i = list_->visibleFirst(); i <= list_->visibleLast() && i < list_->size(); ++i) {
          if (list_->entries().NameAt(i) == it->path) {
            visible = true;
            break;
          }
        }
        if (visible) {
          pick = it;
          break;
        }
      }
    }
    Job job = std::move(*pick);
    queued_.erase(pick);
    ++running_;
    ThumbnailRequest request;
    request.path = job.path;
    request.background = background_;
    const ImageContext context = context_;
    QPointer<ThumbnailPipeline> self(this);
    pool_->Submit([self, request, context]() {
      Result<std::string> jpeg = RenderListThumbnail(request, context);
      std::optional<std::string> bytes;
      if (jpeg.ok()) bytes = std::move(jpeg).value();
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [self, path = request.path, bytes = std::move(bytes)]() mutable {
            if (self) self->Finish(path, std::move(bytes));
          },
          Qt::QueuedConnection);
    });
  }
}

void ThumbnailPipeline::Finish(const std::string& path, std::optional<std::string> jpeg) {
  --running_;
  // The pool gets its next picture first, and the item its thumbnail, before
  // the cache file is written: the write waits for the disk.
  StartMore();
  std::optional<std::string> stored;
  if (jpeg && cache_ != nullptr) stored = jpeg;
  if (list_ != nullptr) {
    const int index = list_->DeliverThumbnail(-1, path, std::move(jpeg));
    if (index >= 0) emit thumbnailDelivered(index);
  }
  if (!stored) return;
  ThumbnailRequest request;
  request.path = path;
  const std::optional<ThumbnailCache::CacheWrite> write = cache_->PlanStore(request, FileSize(path));
  if (!write) return;
  // The write and its syncs wait for the disk: they run on the writer
  // thread, and only the counter is advanced back here.
  QPointer<ThumbnailPipeline> self(this);
  writer_->Submit([self, write = *write, jpeg = std::move(*stored)] {
    if (!ThumbnailCache::WritePlanned(write, jpeg)) return;
    const size_t bytes = jpeg.size();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, write, bytes] {
          if (self && self->cache_ != nullptr) self->cache_->CountStored(write, bytes);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace lumidex
